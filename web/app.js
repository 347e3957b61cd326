// Forwards the page's events to the calculator compiled to WebAssembly and applies the texts it
// writes; the link after "#" carries the inputs. No rule of the calculator is written here.
"use strict";

(() => {
    const form = document.getElementById("Form1");
    // In the page's order, which the link follows; each knows its place among the calculator's.
    const inputs = [...form.querySelectorAll("[data-input]")];
    const byInput = (index) => inputs.find((input) => Number(input.dataset.input) === index);
    const results = [...form.querySelectorAll("[data-result]")]
        .sort((a, b) => a.dataset.result - b.dataset.result);
    const rate = byInput(1);
    const targetLevel = byInput(3);
    const warning = document.getElementById("WarningLabel");
    const note = document.getElementById("RateNote");
    // A link's part longer than this is not a link anyone wrote by hand: it is ignored.
    const longestPart = 1000;

    function decimalSeparator() {
        try {
            const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
            return parts.find((part) => part.type === "decimal")?.value ?? ".";
        } catch {
            return ".";
        }
    }

    // Takes from the link each input whose part is well formed: an entry the list holds, or a
    // rate of plain text. Anything else leaves that input as it was.
    function restoreFromLink() {
        for (const part of location.hash.slice(1).split("&")) {
            const equals = part.indexOf("=");
            if (equals < 0 || part.length > longestPart) {
                continue;
            }
            const control = inputs.find((input) => input.name === part.slice(0, equals));
            let value;
            try {
                value = decodeURIComponent(part.slice(equals + 1));
            } catch {
                continue;
            }
            if (control === rate) {
                if (!/[\u0000-\u001f<>]/.test(value)) {
                    control.value = value;
                }
            } else if (control &&
                       [...control.options].some((o) => !o.disabled && o.value === value)) {
                control.value = value;
            }
        }
    }

    function writeLink() {
        const parts = inputs
            .filter((input) => input.value !== "" && input.value.length <= longestPart / 4)
            .map((input) => `${input.name}=${encodeURIComponent(input.value)}`);
        history.replaceState(null, "", `#${parts.join("&")}`);
    }

    function start(module) {
        const withText = (call, text, ...before) => {
            const size = module.lengthBytesUTF8(text) + 1;
            const pointer = module._malloc(size);
            module.stringToUTF8(text, pointer, size);
            call(...before, pointer);
            module._free(pointer);
        };
        const read = (input) =>
            withText(module._rt_set_input, input.value, Number(input.dataset.input));
        const show = () => {
            results.forEach((box, index) => {
                const text = module.UTF8ToString(module._rt_result(index));
                if (box.value !== text) {
                    box.value = text;
                }
            });
            // Live regions: a screen reader hears each only as it changes.
            for (const [element, text] of [[warning, module._rt_warning()],
                                           [note, module._rt_rate_note()]]) {
                const shown = module.UTF8ToString(text);
                if (element.textContent !== shown) {
                    element.textContent = shown;
                }
            }
            writeLink();
        };

        restoreFromLink();
        inputs.forEach(read);
        withText(module._rt_loaded, decimalSeparator());
        show();
        form.addEventListener("input", (event) => {
            const input = event.target;
            if (!inputs.includes(input)) {
                return;
            }
            read(input);
            if (input === rate) {
                module._rt_rate_changed();
            } else if (input === targetLevel) {
                module._rt_target_level_picked();
            } else {
                module._rt_level_or_hours_picked();
            }
            show();
        });
        form.addEventListener("submit", (event) => event.preventDefault());
        window.addEventListener("languagechange", () => {
            withText(module._rt_decimal_separator_changed, decimalSeparator());
            show();
        });
        document.getElementById("needs").hidden = true;
    }

    if (typeof WebAssembly === "object" && typeof Ranktally === "function") {
        Ranktally().then(start);
    }
    if ("serviceWorker" in navigator) {
        navigator.serviceWorker.register("sw.js");
    }
})();
