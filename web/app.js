// Forwards the page's events to the form compiled to WebAssembly, by the ids of its controls, and
// applies the changes it takes back; the link after "#" carries the inputs. The form decides what
// each event does and what is new, and the module which language suits the browser: no rule of
// either is written here.
"use strict";

(() => {
    const form = document.getElementById("Form1");
    // The inputs, in the page's order, which the link follows.
    const inputs = [...form.querySelectorAll("[name]")];
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

    // Puts into its control each part of the link that is well formed, an entry the list holds
    // or a rate of plain text, and hands the control to `edited` as a user's edit. Anything else
    // leaves that input as it was.
    function restoreFromLink(edited) {
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
            const wellFormed = control?.options
                ? [...control.options].some((o) => !o.disabled && o.value === value)
                : !/[\u0000-\u001f<>]/.test(value);
            if (control && wellFormed) {
                control.value = value;
                edited(control);
            }
        }
    }

    function writeLink() {
        const parts = inputs
            .filter((input) => input.value !== "" && input.value.length <= longestPart / 4)
            .map((input) => `${input.name}=${encodeURIComponent(input.value)}`);
        history.replaceState(null, "", `#${parts.join("&")}`);
    }

    // `call` runs a function of the module's C API: see module_api.js.
    function start({ call }) {
        const edited = (control) => call("input_changed", control.id, control.value);
        // Each change as the form tells it, once: a result box shows its text as its value, the
        // warning and the note, live regions, as their content.
        const show = () => {
            for (let change; (change = call("take_change"));) {
                const newline = change.indexOf("\n");
                const element = document.getElementById(change.slice(0, newline));
                element["value" in element ? "value" : "textContent"] = change.slice(newline + 1);
            }
            writeLink();
        };

        const language = document.documentElement.lang;
        // The root alone sends a browser that prefers another language to that language's page,
        // with the inputs; every other page keeps the language it was opened in.
        if (document.documentElement.hasAttribute("data-picks-language")) {
            const preferred = navigator.languages.map((tag) => `${tag}\n`).join("");
            const chosen = call("language_for", preferred);
            const link = document.querySelector(`footer a[hreflang="${chosen}"]`);
            if (chosen !== language && link) {
                location.replace(link.href + location.hash);
                return;
            }
        }
        call("loaded", decimalSeparator(), language);
        restoreFromLink(edited);
        show();
        // A pick reaches some browsers as "input", others as "change" only, others as both; the
        // form hears the second of both as nothing new.
        for (const type of ["input", "change"]) {
            form.addEventListener(type, (event) => {
                edited(event.target);
                show();
            });
        }
        form.addEventListener("submit", (event) => event.preventDefault());
        window.addEventListener("languagechange", () => {
            call("decimal_separator_changed", decimalSeparator());
            show();
        });
        document.getElementById("needs").hidden = true;
        // Each page's folder has its worker, which keeps that page for use offline: registered
        // once the page stays, so that a root left for another language keeps nothing.
        if ("serviceWorker" in navigator) {
            navigator.serviceWorker.register("sw.js");
        }
    }

    if (typeof WebAssembly === "object" && typeof Ranktally === "function") {
        Ranktally().then(start);
    }
})();
