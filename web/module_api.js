// The module's C API as the page's script calls it, by a function's name without its "rt_" and with
// texts for its arguments; compiled into the module, where its functions are. It decides nothing.
Module["call"] = (name, ...texts) => {
    const functions = {
        loaded: _rt_loaded,
        input_changed: _rt_input_changed,
        decimal_separator_changed: _rt_decimal_separator_changed,
        language_for: _rt_language_for,
        take_change: _rt_take_change,
        plan: _rt_plan,
        measure_rate: _rt_measure_rate,
    };
    const pointers = texts.map((text) => {
        const size = lengthBytesUTF8(text) + 1;
        const pointer = _malloc(size);
        stringToUTF8(text, pointer, size);
        return pointer;
    });
    const result = UTF8ToString(functions[name](...pointers));
    pointers.forEach((pointer) => _free(pointer));
    return result;
};
