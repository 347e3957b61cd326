// The page worked as a user works it: picks, typing and pasting, links and reloads; the figures are
// the desktop's, from the same core.
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { chromium } from "@playwright/test";
import { expect, test } from "./fixtures.mjs";
import config from "./playwright.config.mjs";

const require = createRequire(import.meta.url);
// Every language's texts as the build compiled them from the catalogues, the pseudo-language's
// too, and which languages are shipped.
const catalogue = JSON.parse(readFileSync(process.env.RANKTALLY_CATALOGUE ??
    new URL("../../build/web/catalogue.json", import.meta.url), "utf8"));
const shipped = Object.keys(catalogue).filter((tag) => tag !== "en" && catalogue[tag].shipped);
const localeOf = (tag) => {
    const { language, region } = new Intl.Locale(tag).maximize();
    return `${language}-${region}`;
};
const warning = "WARNING:You have selected a higher target level than 200. The numbers you will " +
    "get are wrong for the SL levels, since your SK gain wont be as high as the XP gain. Reduce " +
    "target lvl to 200 or increase current lvl to 200.";

// What a page in this language shows for an English source, with its places filled.
function text(tag, source, ...values) {
    const message = catalogue[tag].texts[source];
    expect(message, `the catalogue holds ${JSON.stringify(source)}`).toBeDefined();
    return message.replace(/%(\d)/g, (place, number) => values[number - 1] ?? place);
}

const field = (page, tag, caption) => page.getByLabel(text(tag, caption), { exact: true });
const control = (page, caption) => field(page, "en", caption);
const current = (page) => control(page, "Current level:");
const target = (page) => control(page, "Target level:");
const hours = (page) => control(page, "Hours played per day:");
const rate = (page) => control(page, "Average SK/XP per hour:");
const points = (page) => control(page, "SK/XP needed:");
const hoursNeeded = (page) => control(page, "Hours needed:");
const daysNeeded = (page) => control(page, "Days Needed:");

// Opens the page at this address (the root's by default) and waits for its first figures.
async function open(page, address = "index.html") {
    await page.goto(address);
    await expect(page.locator("#Form1")).not.toHaveAttribute("aria-busy");
}

// WCAG 2.2 A and AA, as axe finds them; the page's context must bypass its CSP for axe to load.
async function expectAccessible(page) {
    await page.addScriptTag({ path: require.resolve("axe-core") });
    const results = await page.evaluate(() => window.axe.run({
        runOnly: { type: "tag", values: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"] },
    }));
    expect(results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`)).toEqual([]);
}

async function climb(page, from, to, perDay, perHour) {
    await current(page).selectOption(from);
    await target(page).selectOption(to);
    await hours(page).selectOption(perDay);
    await rate(page).fill(perHour);
}

async function expectFigures(page, figures) {
    await expect(points(page)).toHaveValue(figures[0]);
    await expect(hoursNeeded(page)).toHaveValue(figures[1]);
    await expect(daysNeeded(page)).toHaveValue(figures[2]);
}

test("opens as the desktop window does", async ({ page }) => {
    await open(page);
    await expect(current(page)).toHaveValue("");
    await expect(current(page).locator("option:not([disabled])")).toHaveCount(220);
    await expect(hours(page)).toHaveValue("1");
    await expect(rate(page)).toHaveValue("10000");
    await expectFigures(page, ["0", "0", "0"]);
    await expect(page.getByRole("status")).toHaveText("");
});

// Climbs through the lists; the warning shows exactly when the desktop's does.
for (const [from, to, perDay, perHour, figures, warns] of [
    ["1", "220", "24", "10000", ["2076261991", "207626.1991", "8651.09162916667"], true],
    ["150", "200", "8", "50000", ["1763166200", "35263.324", "4407.9155"], false],
    ["1", "220", "1", "lots", ["2076261991", "Unlimited", "Unlimited"], true],
]) {
    test(`climbs from ${from} to ${to} at ${perHour}`, async ({ page }) => {
        await open(page);
        await climb(page, from, to, perDay, perHour);
        await expectFigures(page, figures);
        await expect(page.getByRole("status")).toHaveText(warns ? warning : "");
    });
}

test("the warning hides when the climb no longer crosses 200", async ({ page }) => {
    await open(page);
    await climb(page, "1", "220", "1", "10000");
    await expect(page.getByRole("status")).toHaveText(warning);
    await target(page).selectOption("200");
    await expect(page.getByRole("status")).toHaveText("");
});

// The rate note: visible beside the box and its description; figures as read. The English page,
// which the root would leave for the German one under de-DE.
for (const [locale, typed, figure, note] of [
    ["en-US", "10,000", "145", "Read as 10: everything from \",\" on is ignored."],
    ["en-US", "-5000", "-0.29", "Read as -5000: a negative rate gives negative hours and days."],
    ["en-US", "10000", "0.145", ""],
    ["de-DE", "10.000", "145", "Read as 10: \".\" is read as the decimal point."],
    ["de-DE", "2,5", "725", "Read as 2: everything from \",\" on is ignored."],
    ["de-DE", "3", "483,333333333333", ""],
]) {
    test(`reads ${typed} under ${locale}`, async ({ browser }) => {
        const context = await browser.newContext({ locale });
        const page = await context.newPage();
        await open(page, "en/");
        await climb(page, "1", "2", "1", typed);
        await expect(hoursNeeded(page)).toHaveValue(figure);
        await expect(page.locator("#RateNote")).toHaveText(note);
        await expect(rate(page)).toHaveAccessibleDescription(note);
        await context.close();
    });
}

test("follows a change of the browser's language while open", async ({ page }) => {
    // The browser's language as the user sets it; the browser tells the page it changed.
    await page.addInitScript(() => {
        Object.defineProperty(Navigator.prototype, "language",
                              { get: () => window.userLanguage ?? "en-US" });
    });
    await open(page);
    await climb(page, "1", "2", "1", "2.5x");
    await expect(hoursNeeded(page)).toHaveValue("580");
    await page.evaluate(() => {
        window.userLanguage = "de-DE";
        window.dispatchEvent(new Event("languagechange"));
    });
    await expect(daysNeeded(page)).toHaveValue("580");
    await hours(page).selectOption("3");
    await expect(daysNeeded(page)).toHaveValue("193,333333333333");
    await expect(page.locator("#RateNote")).toHaveText(
        "Read as 2,5: \".\" is read as the decimal point; everything from \"x\" on is ignored.");
});

test("a 100,000-digit paste", async ({ page }) => {
    await open(page);
    await current(page).selectOption("1");
    await target(page).selectOption("2");
    await rate(page).focus();
    await page.keyboard.press("ControlOrMeta+A");
    await page.keyboard.insertText("9".repeat(100000));
    await expect(rate(page)).toHaveValue("9".repeat(100000));
    await expect(hoursNeeded(page)).toHaveValue("Overflow");
});

// Browsers differ in which events a pick raises: "change" alone must do, and "input" and "change"
// together must write each changed figure and the warning once, or a screen reader hears it twice.
test("a pick told only as a change", async ({ page }) => {
    await open(page);
    await page.evaluate(() => {
        for (const [id, value] of [["CurrentLevelCombo", "1"], ["TargetLevelCombo", "2"]]) {
            const list = document.getElementById(id);
            list.value = value;
            list.dispatchEvent(new Event("change", { bubbles: true }));
        }
    });
    await expectFigures(page, ["1450", "0.145", "0.145"]);
});

test("a pick told as both input and change writes each change once", async ({ page }) => {
    await open(page);
    await current(page).selectOption("1");
    const writes = await page.evaluate(async () => {
        const writes = [];
        const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, "value");
        for (const box of document.querySelectorAll(".result")) {
            Object.defineProperty(box, "value", {
                get: () => value.get.call(box),
                set: (text) => {
                    writes.push(box.id);
                    value.set.call(box, text);
                },
            });
        }
        new MutationObserver((records) => records.forEach((r) => writes.push(r.target.id)))
            .observe(document.getElementById("WarningLabel"), { childList: true });
        const list = document.getElementById("TargetLevelCombo");
        list.value = "220";
        for (const type of ["input", "change"]) {
            list.dispatchEvent(new Event(type, { bubbles: true }));
        }
        await new Promise((resolve) => setTimeout(resolve));
        return writes.sort();
    });
    expect(writes).toEqual(
        ["DaysNeededTextBox", "HoursNeededTextBox", "SKNeededTextBox", "WarningLabel"]);
    await expect(page.getByRole("status")).toHaveText(warning);
});

// A link is taken at load as the user's edits are: into the controls, the figures and the notes.
test("a link opened at load restores the inputs", async ({ page }) => {
    await open(page, "index.html#current=1&target=220&hours=24&rate=10%2C000");
    for (const [input, value] of [[current, "1"], [target, "220"], [hours, "24"],
                                  [rate, "10,000"]]) {
        await expect(input(page)).toHaveValue(value);
    }
    await expectFigures(page, ["2076261991", "207626199.1", "8651091.62916667"]);
    await expect(page.getByRole("status")).toHaveText(warning);
    await expect(page.locator("#RateNote")).toHaveText(
        "Read as 10: everything from \",\" on is ignored.");
});

test("the link carries the inputs, through a reload", async ({ page }) => {
    await open(page, "index.html#current=150&target=200&hours=8&rate=50000");
    await expectFigures(page, ["1763166200", "35263.324", "4407.9155"]);
    const entries = await page.evaluate(() => history.length);
    await hours(page).selectOption("24");
    await expect(page).toHaveURL(/#current=150&target=200&hours=24&rate=50000$/);
    expect(await page.evaluate(() => history.length)).toBe(entries);
    await page.reload();
    await expect(daysNeeded(page)).toHaveValue("1469.30516666667");
});

// A link opened over the open page is taken as a link opened afresh: what it leaves out starts
// as the page starts. The address stays as it was given.
test("a link opened over the page is taken as at load", async ({ page }) => {
    await open(page, "index.html#current=150&target=200&hours=8&rate=50000");
    await page.evaluate(() => {
        location.hash = "#current=1&target=220&rate=10%2C000";
    });
    for (const [input, value] of [[current, "1"], [target, "220"], [hours, "1"],
                                  [rate, "10,000"]]) {
        await expect(input(page)).toHaveValue(value);
    }
    await expectFigures(page, ["2076261991", "207626199.1", "207626199.1"]);
    await expect(page.getByRole("status")).toHaveText(warning);
    await expect(page.locator("#RateNote")).toHaveText(
        "Read as 10: everything from \",\" on is ignored.");
    expect(new URL(page.url()).hash).toBe("#current=1&target=220&rate=10%2C000");
    await page.evaluate(() => {
        location.hash = "#rate=20000";
    });
    await expect(page.getByRole("status")).toHaveText("");
    await expect(page.locator("#RateNote")).toHaveText("");
});

// The address: untouched until an edit, then at most four writes a second (Chromium warns of
// more), the last one in the inputs' last state, also when the page is left at once.
test("the address follows the inputs, at most four times a second", async ({ page }) => {
    await page.addInitScript(() => {
        window.writes = [];
        const replaceState = history.replaceState.bind(history);
        history.replaceState = (...state) => {
            window.writes.push(performance.now());
            replaceState(...state);
        };
    });
    await open(page, "index.html#junk");
    expect(await page.evaluate(() => window.writes)).toEqual([]);
    await target(page).focus();
    for (let pick = 0; pick < 30; pick += 1) {
        await page.keyboard.press("ArrowDown");
    }
    await expect(target(page)).toHaveValue("30");
    await expect(page).toHaveURL(/#target=30&hours=1&rate=10000$/);
    const writes = await page.evaluate(() => window.writes);
    const perSecond = Math.max(...writes.map((at) => writes.filter((t) => t >= at && t < at + 1000)
        .length));
    expect(perSecond).toBeLessThanOrEqual(4);
    const left = await page.evaluate(() => {
        const list = document.getElementById("HourPlayCombo");
        list.value = "24";
        list.dispatchEvent(new Event("change", { bubbles: true }));
        window.dispatchEvent(new PageTransitionEvent("pagehide"));
        return location.hash;
    });
    expect(left).toBe("#target=30&hours=24&rate=10000");
});

// The link to share, as the address shows it now; in an installed page there is no address bar.
test("copy link copies the link and says so", async ({ page, context }) => {
    await context.grantPermissions(["clipboard-read", "clipboard-write"]);
    await open(page);
    await current(page).selectOption("150");
    await target(page).selectOption("200");
    await page.getByRole("button", { name: "Copy link" }).click();
    await expect(page.locator("[aria-live]").getByText("Link copied.")).toBeVisible();
    expect(await page.evaluate(() => navigator.clipboard.readText()))
        .toBe(new URL("index.html#current=150&target=200&hours=1&rate=10000", page.url()).href);
    await expect(page.getByRole("button", { name: "Share" })).toBeHidden();
});

test("share hands the link to the system's share sheet, where there is one", async ({ page }) => {
    await page.addInitScript(() => {
        navigator.share = async (shared) => {
            window.shared = shared;
        };
    });
    await open(page, "de/#current=1");
    await field(page, "de", "Target level:").selectOption("2");
    await page.getByRole("button", { name: text("de", "Share") }).click();
    expect(await page.evaluate(() => window.shared)).toEqual({
        title: `Ranktally – ${text("de", "Level Climb Calculator")}`,
        url: new URL("/de/#current=1&target=2&hours=1&rate=10000", page.url()).href,
    });
});

// On a phone, a pick can show the warning below the fold: a bar at the foot points to it, the
// list picked from stays where it was, a screen reader hears the warning once, and the bar covers
// no field that takes the focus.
for (const height of [640, 568]) {
    test.describe(() => {
        test.use({ viewport: { width: 320, height }, hasTouch: true });
        test(`a warning out of sight at 320 by ${height} is pointed to`, async ({ page }) => {
            await open(page, "index.html#current=1&hours=24");
            const before = await target(page).boundingBox();
            await page.evaluate(() => {
                window.heard = [];
                new MutationObserver((records) => window.heard.push(...records.map((r) =>
                    r.target.closest?.("[aria-live], [role=status]")?.textContent)
                    .filter((live) => live !== undefined)))
                    .observe(document.body,
                             { subtree: true, childList: true, characterData: true });
            });
            await target(page).selectOption("220");
            await expect(page.getByRole("status")).toHaveText(warning);
            const pointer = page.getByRole("button", { name: "See the warning below" });
            await expect(pointer).toBeInViewport();
            expect(await target(page).boundingBox()).toEqual(before);
            expect(await page.evaluate(() => window.heard)).toEqual([warning]);
            await pointer.tap();
            await expect(page.getByRole("status")).toBeInViewport({ ratio: 0.99 });
            await expect(pointer).toBeHidden();
            // What takes the focus is brought into view above the bar, not under it.
            await page.evaluate(() => scrollTo({ top: 0, behavior: "instant" }));
            await expect(pointer).toBeVisible();
            await page.locator("#DaysNeededTextBox").focus();
            await expect.poll(() => page.evaluate(() => {
                const bar = document.querySelector(".bar").getBoundingClientRect();
                return document.activeElement.getBoundingClientRect().bottom <= bar.top;
            })).toBe(true);
        });
    });
}

// A page that loads slowly shows its form without figures, and nothing that claims a part is
// missing, until the figures come.
test("loading on a slow network claims nothing missing", async ({ page }) => {
    await page.addInitScript(() => {
        window.seen = { loading: 0, claims: [] };
        const look = () => {
            if (document.getElementById("Form1")?.hasAttribute("aria-busy")) {
                window.seen.loading += 1;
                window.seen.claims.push(...[...document.querySelectorAll(".needs")]
                    .filter((line) => line.checkVisibility()).map((line) => line.textContent));
                requestAnimationFrame(look);
            }
        };
        requestAnimationFrame(look);
    });
    const network = await page.context().newCDPSession(page);
    await network.send("Network.emulateNetworkConditions", {
        offline: false, latency: 400, downloadThroughput: 50000, uploadThroughput: 50000,
    });
    await open(page, "en/");
    const seen = await page.evaluate(() => window.seen);
    expect(seen.loading).toBeGreaterThan(10);
    expect(seen.claims).toEqual([]);
    await expect(points(page)).toHaveValue("0");
});

// What cannot start says why: a browser without WebAssembly, a module that does not arrive.
test("a WebAssembly that cannot start says why", async ({ page, context }) => {
    test.info().annotations.push({ type: "logs errors", description: "the module is refused" });
    await page.addInitScript(() => delete window.WebAssembly);
    await page.goto("en/");
    await expect(page.getByText("This browser cannot run WebAssembly, which Ranktally needs to " +
                                "calculate.")).toBeVisible();
    const refused = await context.newPage();
    await refused.route("**/*.wasm", (route) => route.abort());
    await refused.goto("de/");
    await expect(refused.getByText(text("de", "Ranktally could not load its calculator. Check " +
                                   "the connection and reload the page."))).toBeVisible();
    await expect(refused.locator("#Form1")).not.toHaveAttribute("aria-busy");
});

// A link is untrusted: a part that is not well formed is ignored, and nothing in it runs.
for (const fragment of [
    "#current=0", "#current=221", "#current=abc", "#hours=25", "#target=%E0%A4%A",
    "#rate=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E", "#rate=<script>alert(1)</script>",
    `#rate=${"1".repeat(300000)}`, "#=&&=&current", "#current=1%00", "#__proto__=1",
]) {
    test(`ignores the link part ${fragment.slice(0, 40)}`, async ({ page }) => {
        const problems = [];
        page.on("dialog", (dialog) => problems.push(`dialog ${dialog.message()}`));
        page.on("pageerror", (error) => problems.push(`error ${error.message}`));
        await open(page, `index.html${fragment}`);
        await expect(current(page)).toHaveValue("");
        await expect(target(page)).toHaveValue("");
        await expect(hours(page)).toHaveValue("1");
        await expect(rate(page)).toHaveValue("10000");
        await expect(page.locator("img")).toHaveCount(0);
        await current(page).selectOption("1");
        await target(page).selectOption("2");
        await expect(points(page)).toHaveValue("1450");
        expect(problems).toEqual([]);
    });
}


// The site's worker keeps every page for use offline, whichever page it was installed from.
for (const [first, address] of [["index.html", "index.html"], ["de/", "de/"], ["en/", "ru/"]]) {
    test(`${address} works offline after a first visit to ${first}`, async ({ page, context }) => {
        await open(page, first);
        await page.evaluate(() => navigator.serviceWorker.ready);
        await context.setOffline(true);
        await open(page, address);
        await page.getByRole("combobox").first().selectOption("1");
        await page.getByRole("combobox").nth(1).selectOption("2");
        await expect(page.locator("#SKNeededTextBox")).toHaveValue("1450");
    });
}

// The caches of older builds and of the pages' own workers from before go; the worker of a page
// in a language's folder gives way to the site's.
test("the site's worker clears older caches and workers", async ({ page }) => {
    // A page of the site without the worker or the page's script: the icon, which has no tab icon.
    await page.route("**/favicon.ico", (route) => route.fulfill({ status: 204 }));
    await page.goto("icons/icon.svg");
    const old = ["ranktally root 0.9", "ranktally de 0.9", "ranktally-0.9", "ranktally 0123"];
    await page.evaluate((names) => Promise.all(names.map((name) => caches.open(name))), old);
    // As the German page's own worker was registered, for its folder alone.
    await page.evaluate(() => navigator.serviceWorker.register("/sw.js", { scope: "/de/" }));
    await open(page);
    const [kept, scopes] = await page.evaluate(async () => {
        const worker = (await navigator.serviceWorker.ready).active;
        while (worker.state !== "activated") {
            await new Promise((resolve) => worker.addEventListener("statechange", resolve));
        }
        const registrations = await navigator.serviceWorker.getRegistrations();
        return [await caches.keys(), registrations.map((r) => new URL(r.scope).pathname)];
    });
    expect(kept).toEqual([expect.stringMatching(/^ranktally [0-9a-f]{12}$/)]);
    expect(scopes).toEqual(["/"]);
});

// Each language's page in its own texts, head to foot, with the warning and a note showing (figures
// are no text); accessible, and naming every shipped page by its absolute address for search
// engines.
for (const tag of [...shipped, "en-XA"]) {
    test.describe(() => {
        test.use({ locale: localeOf(tag), bypassCSP: true });
        test(`the ${tag} page in its language`, async ({ page }) => {
            await open(page, `${tag}/#current=1&target=220&rate=-5000`);
            await expect(page.locator("html")).toHaveAttribute("lang", tag);
            await expect(page).toHaveTitle(`Ranktally – ${text(tag, "Level Climb Calculator")}`);
            const description = text(
                tag, "How many points, hours and days a climb from one level to another takes.");
            await expect(page.locator("meta[name=description]"))
                .toHaveAttribute("content", description);
            const manifest = await (await page.request.get(`${tag}/manifest.webmanifest`)).json();
            expect([manifest.lang, manifest.description]).toEqual([tag, description]);
            for (const [caption, id] of [
                ["Current level:", "CurrentLevelCombo"], ["Target level:", "TargetLevelCombo"],
                ["Hours played per day:", "HourPlayCombo"], ["SK/XP needed:", "SKNeededTextBox"],
                ["Average SK/XP per hour:", "SKTextBox"], ["Hours needed:", "HoursNeededTextBox"],
                ["Days Needed:", "DaysNeededTextBox"],
            ]) {
                await expect(field(page, tag, caption)).toHaveId(id);
            }
            await expect(page.getByText(text(tag, "by the Ranktally team"))).toBeVisible();
            await expect(page.getByText(text(tag, "Plan the climb"), { exact: true })).toBeVisible();
            await expect(field(page, tag, "SK/XP needed:")).toHaveValue("2076261991");
            await expect(page.getByRole("status")).toHaveText(text(tag, warning));
            await expect(field(page, tag, "Average SK/XP per hour:")).toHaveAccessibleDescription(
                text(tag, "Read as %1: a negative rate gives negative hours and days.", "-5000"));
            const languages = page.getByRole("navigation", { name: text(tag, "Languages") });
            await expect(languages.getByRole("link")).toHaveCount(shipped.length + 1);
            expect(await languages.locator("[aria-current=page]").allTextContents())
                .toEqual(shipped.includes(tag) ? [text(tag, "English")] : []);
            const alternates = await page.locator("link[rel=alternate]").evaluateAll(
                (links) => links.map((link) => [link.hreflang, link.getAttribute("href")]));
            const root = alternates.at(-1)[1];
            expect(alternates).toEqual(
                [...["en", ...shipped].map((t) => [t, `${root}${t}/`]), ["x-default", root]]);
            expect(new URL(root).protocol).toBe("https:");
            await expectAccessible(page);
        });
    });
}

// Reflow: one column, caption over control, on a narrow screen; two, caption before control, on a
// wide one; never a sideways scroll, and every target at least 24 pixels.
for (const [tag, width] of [["en", 320], ["de", 320], ["de", 1280], ["en-XA", 320],
                            ["en-XA", 1280]]) {
    test.describe(() => {
        test.use({ viewport: { width, height: 640 } });
        test(`the ${tag} page at ${width} pixels`, async ({ page }) => {
            await open(page, `${tag}/#current=1&target=220&rate=10%2C000x`);
            expect(await page.evaluate(() => document.documentElement.scrollWidth))
                .toBeLessThanOrEqual(width);
            for (const row of await page.locator(".row").all()) {
                const caption = await row.locator("label").boundingBox();
                const input = await row.locator("select, input").first().boundingBox();
                expect(width < 480 ? caption.y + caption.height <= input.y
                                   : caption.x + caption.width <= input.x).toBe(true);
            }
            for (const target of await page.locator("select, input, a").all()) {
                const box = await target.boundingBox();
                expect(Math.min(box.width, box.height)).toBeGreaterThanOrEqual(24);
            }
        });
    });
}

// Only the root sends a browser on, to the page of the language it prefers, with the inputs; a
// language no page has leaves it at the root, and every other page keeps its language. The texts
// follow the page, the figures' decimal separator the browser.
for (const [locale, from, to, figure] of [
    ["de-DE", "index.html", "/de/", "207626,1991"],
    ["pt-PT", "index.html", "/pt-BR/", "207626,1991"],
    ["ja-JP", "index.html", "/index.html", "207626.1991"],
    ["en-XA", "index.html", "/index.html", "207626.1991"],
    ["de-DE", "en/", "/en/", "207626,1991"],
    ["fr-FR", "de/", "/de/", "207626,1991"],
    ["en-US", "de/", "/de/", "207626.1991"],
]) {
    test.describe(() => {
        test.use({ locale });
        test(`${from} under ${locale} shows ${to}`, async ({ page }) => {
            await open(page, `${from}#current=1&target=220&hours=24&rate=10000`);
            expect(new URL(page.url()).pathname).toBe(to);
            const tag = to === "/index.html" ? "en" : to.slice(1, -1);
            await expect(field(page, tag, "Hours needed:")).toHaveValue(figure);
            await expect(page.getByRole("status")).toHaveText(text(tag, warning));
        });
    });
}

test("focus follows the visual order", async ({ page }) => {
    await open(page);
    await current(page).focus();
    for (const next of [target, hours, rate, points, hoursNeeded, daysNeeded]) {
        await page.keyboard.press("Tab");
        await expect(next(page)).toBeFocused();
    }
});

// A browser with script turned off, as its user turns it off: Playwright's own switch leaves
// <noscript> unshown, and its text search never looks inside one.
test("without script, each page says what it needs", async () => {
    const { launchOptions, baseURL } = config.use;
    const browser = await chromium.launch({
        ...launchOptions, args: [...launchOptions.args, "--blink-settings=scriptEnabled=false"],
    });
    const page = await browser.newPage({ baseURL });
    for (const tag of ["en", "de"]) {
        await page.goto(`${tag}/`);
        const needs = "Ranktally needs JavaScript and WebAssembly to calculate.";
        await expect(page.locator("noscript p")).toBeVisible();
        await expect(page.locator("noscript p")).toHaveText(text(tag, needs));
        await expect(page.getByRole("button")).toHaveCount(0);
    }
    await browser.close();
});

// The contrast of two colours as WCAG reckons it, from "rgb(r, g, b)".
function contrast(one, other) {
    const luminance = (colour) => {
        const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((c) => {
            const s = c / 255;
            return s <= 0.04045 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
        });
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const [light, dark] = [luminance(one), luminance(other)].sort((a, b) => b - a);
    return (light + 0.05) / (dark + 0.05);
}

// WCAG 2.2 A and AA, light and dark, with the warning, the note and the planner showing; what the
// user sets has a border of 3:1 against the page, the results sit on the page, and the chart's
// bars, XP's and SK's, stand out from it at 3:1 too.
for (const colorScheme of ["light", "dark"]) {
    test.describe(() => {
        test.use({ colorScheme, bypassCSP: true });
        test(`no accessibility violations, ${colorScheme}`, async ({ page }) => {
            await open(page, "index.html#earned=5");
            await climb(page, "1", "220", "24", "10,000");
            await expectAccessible(page);
            const { background, borders, results, bars } = await page.evaluate(() => ({
                background: getComputedStyle(document.body).backgroundColor,
                borders: [...document.querySelectorAll("select, input:not(.result)")]
                    .map((field) => getComputedStyle(field).borderTopColor),
                results: [...document.querySelectorAll(".result")]
                    .map((box) => getComputedStyle(box).backgroundColor),
                bars: [...new Set([...document.querySelectorAll("#PlanChart rect")]
                    .map((bar) => getComputedStyle(bar).fill))],
            }));
            expect(bars).toHaveLength(2);
            for (const bar of bars) {
                expect(contrast(bar, background)).toBeGreaterThanOrEqual(3);
            }
            expect(borders).toHaveLength(10);
            for (const border of borders) {
                expect(contrast(border, background)).toBeGreaterThanOrEqual(3);
            }
            expect(results).toEqual(Array(9).fill("rgba(0, 0, 0, 0)"));
        });
    });
}

// The first view: every file a cold load of a page fetches before its first figures show, as
// gzip -9 sends it. What the worker fetches afterwards does not count, nor does the tab's icon,
// which the browser fetches for itself when it likes ("other").
for (const [address, budget] of [["index.html", 32768], ["en/", 32768],
                                 ...shipped.map((tag) => [`${tag}/`, 33792])]) {
    test.describe(() => {
        test(`the first view of ${address} is at most ${budget} bytes`, async ({ page }) => {
            const fetched = [];
            page.on("requestfinished", (request) => fetched.push(request));
            await open(page, address);
            const sizes = await Promise.all(fetched.slice()
                .filter((request) => request.resourceType() !== "other")
                .map(async (request) => [new URL(request.url()).pathname, execFileSync(
                    "gzip", ["-9n"], { input: await (await request.response()).body() }).length]));
            const total = sizes.reduce((sum, [, size]) => sum + size, 0);
            console.log(`first view of ${address}: ${total} bytes, ${JSON.stringify(sizes)}`);
            expect(total).toBeLessThanOrEqual(budget);
        });
    });
}
