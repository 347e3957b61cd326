// Forwards the page's events to the form compiled to WebAssembly, by the ids of its controls, and
// applies the changes it takes back; the link after "#" carries the inputs. The form decides what
// each event does and what is new, and the module which language suits the browser: no rule of
// either is written here.
"use strict";

(() => {
    // At the site's root, beside the worker.
    const script = document.currentScript.src;
    const byId = (id) => document.getElementById(id);
    const form = byId("Form1");
    const warning = byId("WarningLabel");
    const pointer = byId("WarningPointer");
    const planner = byId("Planner");
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

    // A part of the link, or of what was kept, with its control, where it is well formed: an
    // entry the list holds or a rate of plain text; null for anything else.
    function partOf(name, value) {
        const control = inputs.find((input) => input.name === name);
        if (!control || typeof value !== "string" || value.length > longestPart) {
            return null;
        }
        const wellFormed = control.options
            ? [...control.options].some((o) => !o.disabled && o.value === value)
            : !/[\u0000-\u001f<>]/.test(value);
        return wellFormed ? { control, value } : null;
    }

    // Each part of the link that is well formed, with its control.
    function linkParts() {
        const parts = [];
        for (const part of location.hash.slice(1).split("&")) {
            const equals = part.indexOf("=");
            if (equals < 0 || part.length > longestPart) {
                continue;
            }
            let value;
            try {
                value = decodeURIComponent(part.slice(equals + 1));
            } catch {
                continue;
            }
            const taken = partOf(part.slice(0, equals), value);
            if (taken) {
                parts.push(taken);
            }
        }
        return parts;
    }

    // The inputs are kept on this device only while the user asks, under one key by the link's
    // names; what is read back is input like a link. A browser that refuses storage throws as it
    // is reached or written to: the box then says so, and nothing else changes.
    const keptKey = "ranktally inputs";
    const remember = byId("RememberCheckBox");
    let storage = null;
    try {
        storage = window.localStorage;
        remember.checked = storage.getItem(keptKey) !== null;
    } catch {
        storage = null;
    }
    function refused() {
        remember.checked = false;
        remember.disabled = true;
        const why = byId("NotKept");
        why.hidden = false;
        remember.setAttribute("aria-describedby", why.id);
    }
    function keptParts() {
        let kept = null;
        try {
            kept = JSON.parse(storage?.getItem(keptKey) ?? "null");
        } catch {
            return [];
        }
        return kept && typeof kept === "object"
            ? Object.entries(kept).map(([name, value]) => partOf(name, value)).filter(Boolean)
            : [];
    }
    // Nothing is written while the box is unticked.
    function keep() {
        if (!remember.checked) {
            return;
        }
        const kept = inputs.filter((input) => input.value.length <= longestPart)
            .map((input) => [input.name, input.value]);
        try {
            storage.setItem(keptKey, JSON.stringify(Object.fromEntries(kept)));
        } catch {
            refused();
            try {
                storage.removeItem(keptKey);
            } catch {
                // Refused as well: there is nothing more to do.
            }
        }
    }
    if (storage) {
        remember.addEventListener("change", () => {
            if (remember.checked) {
                keep();
                return;
            }
            try {
                storage.removeItem(keptKey);
            } catch {
                refused();
            }
        });
    } else {
        refused();
    }

    // A link with any well-formed part wins whole; without one, what was kept, if anything.
    function startingParts() {
        const parts = linkParts();
        return parts.length ? parts : keptParts();
    }

    // A link with a part of the planner's opens it: as the page is first drawn, so that nothing
    // below moves when the module, loaded, fills it, and again as each link is taken.
    function openPlannerFor(parts) {
        planner.open ||= parts.some(({ control }) => control.closest(`#${planner.id}`));
    }

    // Puts each well-formed part of the link, or what was kept, into its control and hands the
    // control to `edited` as a user's edit. Anything else leaves that input as it was.
    function restore(edited) {
        const parts = startingParts();
        for (const { control, value } of parts) {
            control.value = value;
            edited(control);
        }
        openPlannerFor(parts);
    }

    // The address follows the inputs at most four times a second, as browsers throttle a page
    // that rewrites it faster, and always ends in their last state.
    let linkTimer = 0;
    let linkWritten = 0;
    function writeLink() {
        clearTimeout(linkTimer);
        linkTimer = 0;
        linkWritten = Date.now();
        const parts = inputs
            .filter((input) => input.value !== "" && input.value.length <= longestPart / 4)
            .map((input) => `${input.name}=${encodeURIComponent(input.value)}`);
        history.replaceState(null, "", `#${parts.join("&")}`);
    }
    const linkSoon = () => {
        linkTimer ||= setTimeout(writeLink, linkWritten + 250 - Date.now());
    };
    const linkNow = () => linkTimer && writeLink();

    // A warning that starts in the lower half of the view and runs past its foot is pointed to by
    // a bar there, as a pick on a small screen may show it out of sight; the page does not scroll
    // under the user's finger. A page scrolls by whole pixels, a warning ends where it may.
    function pointToWarning() {
        const { top, bottom } = warning.getBoundingClientRect();
        pointer.hidden = !warning.textContent || bottom < innerHeight + 1 || top < innerHeight / 2;
    }

    function share() {
        const copy = byId("CopyLink");
        const send = byId("Share");
        const told = byId("Shared");
        let quiet = 0;
        // Told afresh each time, so that a screen reader hears a second copy too.
        const tell = (text) => {
            told.textContent = "";
            clearTimeout(quiet);
            setTimeout(() => (told.textContent = text), 100);
            quiet = setTimeout(() => (told.textContent = ""), 5000);
        };
        copy.addEventListener("click", () => {
            linkNow();
            (navigator.clipboard?.writeText(location.href) ?? Promise.reject())
                .then(() => tell(told.dataset.copied), () => tell(told.dataset.notCopied));
        });
        // Where the system has a share sheet; a user who closes it has shared nothing.
        send.addEventListener("click", () => {
            linkNow();
            navigator.share({ title: document.title, url: location.href }).catch(() => {});
        });
        copy.hidden = false;
        send.hidden = !navigator.share;
    }

    // One worker at the root keeps the site for use offline. A new build's worker waits until the
    // user takes it: an open page is never changed under the user.
    function offerUpdates() {
        const workers = navigator.serviceWorker;
        const root = new URL(".", script).href;
        // Before, each language's folder had a worker of its own, which would serve it still.
        workers.getRegistrations().then((all) => all
            .filter((old) => old.scope.startsWith(root) && old.scope !== root)
            .forEach((old) => old.unregister()));
        workers.register(new URL("sw.js", script)).then((registration) => {
            const update = byId("Update");
            const offer = () => {
                update.hidden = !(registration.waiting && workers.controller);
            };
            let taking = false;
            update.querySelector("button").addEventListener("click", () => {
                taking = true;
                if (registration.waiting) {
                    registration.waiting.postMessage("take");
                } else {
                    location.reload();
                }
            });
            workers.addEventListener("controllerchange",
                                     () => (taking ? location.reload() : offer()));
            // The browser may have found the update before the page asked: one installing now
            // is watched as well as one found later.
            const watch = () => registration.installing?.addEventListener("statechange", offer);
            registration.addEventListener("updatefound", watch);
            watch();
            offer();
        }, () => {});
    }

    // A result box shows its text as its value; a note, a live region, as its content, which a
    // screen reader then hears once: each is written only when it changes.
    function put(element, text) {
        const property = "value" in element ? "value" : "textContent";
        if (element[property] !== text) {
            element[property] = text;
        }
    }

    // The plan of the climb as the module makes it from the inputs and today's date, drawn: the
    // boxes, the notes, the steps. Dates follow the browser's regional format, as figures do, not
    // the page's language. It is made anew at local midnight while open, so that no date stays
    // stale.
    function drawPlans(call) {
        const sources = ["CurrentLevelCombo", "TargetLevelCombo", "HourPlayCombo", "SKTextBox",
                         "EarnedTextBox", "SKRateTextBox"].map(byId);
        const texts = ["XPLeftTextBox", "SKLeftTextBox", "PlanHoursTextBox", "PlanDaysTextBox",
                       "EarnedNote", "SKRateNote", "PlanNote"];
        const table = byId("PlanSteps");
        const two = (number) => String(number).padStart(2, "0");
        // The module's days are days of the calendar, not moments: written at midnight UTC. A
        // format is made once for each language and style, which costs more than many dates.
        const formats = new Map();
        const written = (style) => {
            const key = `${navigator.language} ${style}`;
            if (!formats.has(key)) {
                formats.set(key, new Intl.DateTimeFormat(navigator.language,
                                                         { dateStyle: style, timeZone: "UTC" }));
            }
            const format = formats.get(key);
            return (day, instead) => (day ? format.format(new Date(`${day}T00:00:00Z`)) : instead);
        };
        // A step's row: its level as the row's header, then its cells; rows kept from the last
        // plan change only the texts that differ, so that the browser lays out no more than that.
        const row = (group, index) => {
            let line = group.rows[index];
            if (!line) {
                line = group.insertRow();
                const head = document.createElement("th");
                head.scope = "row";
                line.append(head);
                for (let column = 0; column < 5; column += 1) {
                    line.insertCell();
                }
            }
            return line.cells;
        };
        // The steps are drawn a row group at a time, each in a frame of its own, so that the
        // longest climb never holds the page for a long task. A group not drawn yet is hidden,
        // keeping its height so that nothing scrolls, and never shows a step of the last plan;
        // the table is busy until its last group.
        const rowsAtOnce = 30;
        let drawing = null;
        const drawSteps = (plan, first) => {
            const medium = written("medium");
            const group = table.tBodies[first / rowsAtOnce] ?? table.createTBody();
            const steps = plan.steps.slice(first, first + rowsAtOnce);
            steps.forEach(([level, kind, points, hours, played, day, instead], index) => {
                const shown = [String(level), kind, points, hours, played, medium(day, instead)];
                [...row(group, index)].forEach((cell, column) => put(cell, shown[column]));
            });
            while (group.rows.length > steps.length) {
                group.deleteRow(-1);
            }
            group.classList.remove("stale");
            if (first + rowsAtOnce < plan.steps.length) {
                drawing = plan;
                requestAnimationFrame(() => setTimeout(() => {
                    if (drawing === plan) {
                        drawSteps(plan, first + rowsAtOnce);
                    }
                }));
                return;
            }
            drawing = null;
            while (table.tBodies.length > first / rowsAtOnce + 1) {
                table.tBodies[table.tBodies.length - 1].remove();
            }
            table.removeAttribute("aria-busy");
        };
        // Bars of each step's hours, their widths in percents of the chart's, so that it fits any
        // width, their heights in pixels below the mark's label; each step is a bar, one with no
        // hours an empty one. The change to SK is marked by a line, its label on the side with
        // more room.
        const chart = byId("PlanChart");
        const [bars, mark, label] = chart.children;
        const drawChart = ({ steps, skFrom }) => {
            const hours = steps.map((step) => step[7] ?? 0);
            const tallest = Math.max(0, ...hours);
            chart.parentElement.hidden = !(tallest > 0);
            if (chart.parentElement.hidden) {
                return;
            }
            const top = 16;
            const width = 100 / hours.length;
            hours.forEach((value, index) => {
                const bar = bars.children[index] ??
                    bars.appendChild(document.createElementNS(chart.namespaceURI, "rect"));
                const height = (Math.max(value, 0) / tallest) * (chart.height.baseVal.value - top);
                bar.setAttribute("x", `${(index + 0.1) * width}%`);
                bar.setAttribute("width", `${0.8 * width}%`);
                bar.setAttribute("y", chart.height.baseVal.value - height);
                bar.setAttribute("height", height);
                bar.classList.toggle("sk", index >= skFrom);
            });
            while (bars.children.length > hours.length) {
                bars.lastChild.remove();
            }
            const change = skFrom > 0 && skFrom < hours.length;
            for (const element of [mark, label]) {
                element.toggleAttribute("hidden", !change);
            }
            const at = `${skFrom * width}%`;
            mark.setAttribute("x1", at);
            mark.setAttribute("x2", at);
            label.setAttribute("x", at);
            const left = skFrom * width > 50;
            label.setAttribute("text-anchor", left ? "end" : "start");
            label.setAttribute("dx", left ? -4 : 4);
        };
        let midnight = 0;
        // A closed planner shows nothing, and is made when it opens.
        const replan = () => {
            clearTimeout(midnight);
            if (!planner.open) {
                return;
            }
            const now = new Date();
            const today = `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
            const plan = JSON.parse(call("plan", ...sources.map((source) => source.value), today));
            for (const id of texts) {
                put(byId(id), plan[id]);
            }
            put(byId("ArrivalTextBox"), written("full")(...plan.arrival));
            byId("SKRateTextBox").disabled = !plan.skRateUsed;
            for (const group of [...table.tBodies].slice(1)) {
                group.classList.add("stale");
            }
            table.setAttribute("aria-busy", "true");
            drawSteps(plan, 0);
            drawChart(plan);
            midnight = setTimeout(replan,
                                  new Date(now.getFullYear(), now.getMonth(), now.getDate() + 1) - now);
        };
        planner.addEventListener("toggle", replan);
        return replan;
    }

    // The rate two readings of the game's counter measure, drawn; "Use as my rate" puts it into
    // the form's rate box as a user's edit. The readings are a tool: neither linked nor kept.
    function measureRates(call) {
        const readings = ["FirstReadingTextBox", "SecondReadingTextBox", "MinutesTextBox"].map(byId);
        const use = byId("UseRateButton");
        let whole = null;
        use.addEventListener("click", () => {
            const box = byId("SKTextBox");
            box.value = whole;
            box.dispatchEvent(new Event("input", { bubbles: true }));
        });
        return {
            readings,
            measure() {
                const rate = JSON.parse(call("measure_rate", ...readings.map((box) => box.value)));
                ({ whole } = rate);
                delete rate.whole;
                for (const [id, text] of Object.entries(rate)) {
                    put(byId(id), text);
                }
                use.disabled = whole === null;
            },
        };
    }

    // `call` runs a function of the module's C API: see module_api.js.
    function start({ call }) {
        const edited = (control) => call("input_changed", control.id, control.value);
        const rates = measureRates(call);
        // Each element's last change as the form tells it, over `latest`, where it differs from
        // what the element shows: a result box shows its text as its value, the warning and the
        // note, live regions, as their content, which a screen reader then hears once.
        const show = (latest = new Map()) => {
            for (let change; (change = call("take_change"));) {
                const newline = change.indexOf("\n");
                latest.set(change.slice(0, newline), change.slice(newline + 1));
            }
            for (const [id, text] of latest) {
                put(byId(id), text);
            }
            replan();
            pointToWarning();
        };
        const replan = drawPlans(call);

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
        // A link is taken as the page opens, and as a new one opens over it, from the start; the
        // address stays as the user gave it until an edit.
        const load = (latest) => {
            call("loaded", decimalSeparator(), language);
            restore(edited);
            show(latest);
            rates.measure();
        };
        load();
        // The form, started afresh, tells only what differs from its start, and a reset leaves the
        // warning and the note, which are no controls: both start empty unless the form says else.
        window.addEventListener("hashchange", () => {
            form.reset();
            planner.open = false;
            load(new Map([[warning.id, ""], ["RateNote", ""]]));
        });
        // A pick reaches some browsers as "input", others as "change" only, others as both; the
        // form hears the second of both as nothing new.
        for (const type of ["input", "change"]) {
            form.addEventListener(type, (event) => {
                if (rates.readings.includes(event.target)) {
                    rates.measure();
                    return;
                }
                edited(event.target);
                show();
                linkSoon();
                keep();
            });
        }
        form.addEventListener("submit", (event) => event.preventDefault());
        window.addEventListener("pagehide", linkNow);
        window.addEventListener("languagechange", () => {
            call("decimal_separator_changed", decimalSeparator());
            show();
            rates.measure();
        });
        window.addEventListener("scroll", pointToWarning, { passive: true });
        window.addEventListener("resize", pointToWarning);
        pointer.addEventListener("click", () => warning.scrollIntoView({ block: "nearest" }));
        share();
        form.removeAttribute("aria-busy");
        if ("serviceWorker" in navigator) {
            offerUpdates();
        }
    }

    openPlannerFor(startingParts());
    // The page fetches the module's wasm, named by its build, as the module's script tag names it;
    // what cannot start says why.
    const failed = (id) => {
        byId(id).hidden = false;
        form.removeAttribute("aria-busy");
    };
    if (typeof WebAssembly !== "object") {
        failed("NoWasm");
    } else {
        fetch(document.querySelector("[data-wasm]").dataset.wasm)
            .then((response) => response.arrayBuffer())
            .then((bytes) => Ranktally({ wasm: bytes }))
            .then(start, () => failed("NotLoaded"));
    }
})();
