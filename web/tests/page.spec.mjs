// The page worked as a user works it: picks, typing and pasting, links and reloads; the figures are
// the desktop's, from the same core.
import { createRequire } from "node:module";
import { expect, test } from "@playwright/test";

const require = createRequire(import.meta.url);
const warning = "WARNING:You have selected a higher target level than 200. The numbers you will " +
    "get are wrong for the SL levels, since your SK gain wont be as high as the XP gain. Reduce " +
    "target lvl to 200 or increase current lvl to 200.";

const control = (page, caption) => page.getByLabel(caption, { exact: true });
const current = (page) => control(page, "Current level:");
const target = (page) => control(page, "Target level:");
const hours = (page) => control(page, "Hours played per day:");
const rate = (page) => control(page, "Average SK/XP per hour:");
const points = (page) => control(page, "SK/XP needed:");
const hoursNeeded = (page) => control(page, "Hours needed:");
const daysNeeded = (page) => control(page, "Days Needed:");

async function open(page, fragment = "") {
    await page.goto(`index.html${fragment}`);
    await expect(page.locator("#needs")).toBeHidden();
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

// The rate note: visible beside the box and its description; figures as read.
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
        await open(page);
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
    await open(page, "#current=1&target=220&hours=24&rate=10%2C000");
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
    await open(page, "#current=150&target=200&hours=8&rate=50000");
    await expectFigures(page, ["1763166200", "35263.324", "4407.9155"]);
    const entries = await page.evaluate(() => history.length);
    await hours(page).selectOption("24");
    await expect(page).toHaveURL(/#current=150&target=200&hours=24&rate=50000$/);
    expect(await page.evaluate(() => history.length)).toBe(entries);
    await page.reload();
    await expect(daysNeeded(page)).toHaveValue("1469.30516666667");
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
        await open(page, fragment);
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

test("works offline after the first visit", async ({ page, context }) => {
    await open(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await expect(page.locator("#needs")).toBeHidden();
    await context.setOffline(true);
    await page.reload();
    await expect(page.locator("#needs")).toBeHidden();
    await climb(page, "1", "2", "1", "10000");
    await expect(points(page)).toHaveValue("1450");
});

test("one column at 320 pixels, with targets of at least 24", async ({ browser }) => {
    const context = await browser.newContext({ viewport: { width: 320, height: 640 } });
    const page = await context.newPage();
    await open(page);
    await climb(page, "1", "220", "24", "10,000");
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(320);
    for (const target of await page.locator("select, input").all()) {
        const box = await target.boundingBox();
        expect(box.width).toBeGreaterThanOrEqual(24);
        expect(box.height).toBeGreaterThanOrEqual(24);
    }
    await context.close();
});

test("focus follows the visual order", async ({ page }) => {
    await open(page);
    await current(page).focus();
    for (const next of [target, hours, rate, points, hoursNeeded, daysNeeded]) {
        await page.keyboard.press("Tab");
        await expect(next(page)).toBeFocused();
    }
});

test("without script, says what it needs", async ({ browser }) => {
    const context = await browser.newContext({ javaScriptEnabled: false });
    const page = await context.newPage();
    await page.goto("index.html");
    await expect(page.getByText("Ranktally needs JavaScript and WebAssembly")).toBeVisible();
    await context.close();
});

// WCAG 2.2 A and AA, light and dark, with the warning and the note showing.
for (const colorScheme of ["light", "dark"]) {
    test(`no accessibility violations, ${colorScheme}`, async ({ browser }) => {
        const context = await browser.newContext({ colorScheme, bypassCSP: true });
        const page = await context.newPage();
        await open(page);
        await climb(page, "1", "220", "24", "10,000");
        await page.addScriptTag({ path: require.resolve("axe-core") });
        const results = await page.evaluate(() => window.axe.run({
            runOnly: { type: "tag", values: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"] },
        }));
        expect(results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`)).toEqual([]);
        await context.close();
    });
}
