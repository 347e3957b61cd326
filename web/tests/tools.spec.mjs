// The planner's tools as a player meets them: the rate from two readings put into the form, the
// inputs kept on the device only when asked, and the chart of the climb (its contrast is checked
// with the page's).
import { readFileSync } from "node:fs";
import { expect, test } from "./fixtures.mjs";

const catalogue = JSON.parse(readFileSync(process.env.RANKTALLY_CATALOGUE ??
    new URL("../../build/web/catalogue.json", import.meta.url), "utf8"));
const text = (tag, source) => catalogue[tag].texts[source];
const box = (page, tag, caption) => page.getByLabel(text(tag, caption), { exact: true });
const keptKey = "ranktally inputs";
const kept = (page) => page.evaluate((key) => localStorage.getItem(key), keptKey);
const remember = (page, tag) =>
    page.getByRole("checkbox", { name: text(tag, "Remember my inputs on this device") });

async function open(page, address) {
    await page.goto(address);
    await expect(page.locator("#Form1")).not.toHaveAttribute("aria-busy");
}

// In the page's language and the browser's decimal mark: the rate, rounded, becomes the form's,
// which recalculates, and the link follows; no rate leaves the button disabled.
for (const [tag, locale, measured, hours] of [
    ["en", "en-US", "8571.42857142857", "0.169175125422938"],
    ["de", "de-DE", "8571,42857142857", "0,169175125422938"],
]) {
    test.describe(() => {
        test.use({ locale });
        test(`uses the measured rate on the ${tag} page under ${locale}`, async ({ page }) => {
            await open(page, `${tag}/#current=1&target=2`);
            await page.getByText(text(tag, "Plan the climb")).click();
            const use = page.getByRole("button", { name: text(tag, "Use as my rate") });
            await expect(use).toBeDisabled();
            await box(page, tag, "First reading:").fill("1 000");
            await box(page, tag, "Second reading:").fill("2.000");
            await box(page, tag, "Minutes between:").fill("7");
            await expect(box(page, tag, "Points per hour:")).toHaveValue(measured);
            await use.click();
            await expect(box(page, tag, "Average SK/XP per hour:")).toHaveValue("8571");
            await expect(box(page, tag, "Hours needed:")).toHaveValue(hours);
            await expect(page).toHaveURL(/&rate=8571$/);
            // Below the first, the counter started again: no rate, and the note says why.
            await box(page, tag, "Second reading:").fill("999");
            await expect(box(page, tag, "Points per hour:")).toHaveValue("");
            await expect(box(page, tag, "Points per hour:")).toHaveAccessibleDescription(text(tag,
                "The second reading is below the first: take both within one level, as the " +
                "counter may start again at a level-up."));
            await expect(use).toBeDisabled();
            // Below half a point an hour there is nothing to use.
            await box(page, tag, "Second reading:").fill("1001");
            await box(page, tag, "Minutes between:").fill("121");
            await expect(box(page, tag, "Points per hour:")).not.toHaveValue("");
            await expect(use).toBeDisabled();
            expect(page.url()).not.toMatch(/1001|121/);
        });

        // Kept only while ticked, restored from the bare address, deleted when unticked.
        test(`remembers the ${tag} page's inputs when asked under ${locale}`, async ({ page }) => {
            await open(page, `${tag}/#current=150&target=210`);
            await box(page, tag, "Average SK/XP per hour:").fill("20000");
            await page.getByText(text(tag, "Plan the climb")).click();
            await box(page, tag, "Already earned in this level:").fill("43%");
            expect(await kept(page)).toBeNull();
            await remember(page, tag).check();
            expect(JSON.parse(await kept(page))).toEqual({ current: "150", target: "210",
                hours: "1", rate: "20000", earned: "43%", skrate: "" });
            await box(page, tag, "SK per hour from level 200:").fill("2000");
            expect(JSON.parse(await kept(page)).skrate).toBe("2000");
            await open(page, `${tag}/`);
            await expect(remember(page, tag)).toBeChecked();
            await expect(page.locator("#Planner")).toHaveAttribute("open");
            await expect(box(page, tag, "SK per hour from level 200:")).toHaveValue("2000");
            await expect(box(page, tag, "SK/XP needed:")).toHaveValue("1765242894");
            await remember(page, tag).uncheck();
            expect(await kept(page)).toBeNull();
            await open(page, `${tag}/`);
            await expect(remember(page, tag)).not.toBeChecked();
            await expect(box(page, tag, "Average SK/XP per hour:")).toHaveValue("10000");
        });
    });
}

// A link with any part that passes its checks wins whole, and overwrites nothing kept until the
// player changes something; a link with none leaves what was kept in use.
test("lets a link win whole", async ({ page }) => {
    const stored = { current: "150", target: "210", hours: "8", rate: "20000", earned: "43%",
                     skrate: "2000" };
    await page.addInitScript(([key, value]) => localStorage.getItem(key) ??
        localStorage.setItem(key, value), [keptKey, JSON.stringify(stored)]);
    await open(page, "en/#target=5");
    await expect(box(page, "en", "Current level:")).toHaveValue("");
    await expect(box(page, "en", "Target level:")).toHaveValue("5");
    await expect(box(page, "en", "Average SK/XP per hour:")).toHaveValue("10000");
    await expect(page.locator("#Planner")).not.toHaveAttribute("open");
    await expect(remember(page, "en")).toBeChecked();
    expect(JSON.parse(await kept(page))).toEqual(stored);
    await open(page, "en/#target=%3Cb%3E");
    await expect(box(page, "en", "Average SK/XP per hour:")).toHaveValue("20000");
    await box(page, "en", "Average SK/XP per hour:").fill("30000");
    expect(JSON.parse(await kept(page))).toEqual({ ...stored, rate: "30000" });
});

// Storage is input too: what fails the link's checks is dropped, the rest is used.
for (const [name, stored, rate, current] of [
    ["not JSON", "{current:", "10000", ""],
    ["a list", "[\"150\", \"210\"]", "10000", ""],
    ["markup and controls", JSON.stringify({ current: "<b>150", rate: "1\n2",
                                             earned: "<img src=x onerror=alert(1)>" }), "10000", ""],
    ["entries no list holds", JSON.stringify({ current: "0", target: "221", hours: "25",
                                               rate: "7500" }), "7500", ""],
    ["other types and names",
     '{"current": 150, "rate": ["5"], "__proto__": {"rate": "5"}, "constructor": "x"}', "10000", ""],
    ["a text too long", JSON.stringify({ current: "150", rate: "9".repeat(1001) }), "10000", "150"],
]) {
    test(`reads kept inputs of ${name} as input`, async ({ page }) => {
        await page.addInitScript(([key, value]) => localStorage.setItem(key, value),
                                 [keptKey, stored]);
        await open(page, "en/");
        await expect(box(page, "en", "Average SK/XP per hour:")).toHaveValue(rate);
        await expect(box(page, "en", "Current level:")).toHaveValue(current);
        await expect(box(page, "en", "Target level:")).not.toHaveValue(/21/);
        await expect(page.locator("#EarnedTextBox")).toHaveValue("");
        await expect(page.locator("img, b")).toHaveCount(0);
    });
}

// A browser that refuses storage, as it is reached or as it is written to: the box is disabled
// and says why, and the form calculates as ever.
for (const [name, refusal] of [
    ["reached", `Object.defineProperty(window, "localStorage", {
        get() { throw new DOMException("refused", "SecurityError"); } });`],
    ["written to", `Storage.prototype.setItem = () => {
        throw new DOMException("full", "QuotaExceededError"); };`],
]) {
    test(`goes on when storage refuses to be ${name}`, async ({ page }) => {
        await page.addInitScript(refusal);
        await open(page, "en/#current=1&target=2");
        const box_ = remember(page, "en");
        if (name === "written to") {
            await box_.click();
        }
        await expect(box_).toBeDisabled();
        await expect(box_).not.toBeChecked();
        await expect(box_).toHaveAccessibleDescription(
            text("en", "This browser keeps nothing for this page, so nothing can be remembered."));
        await box(page, "en", "Average SK/XP per hour:").fill("1450");
        await expect(box(page, "en", "Hours needed:")).toHaveValue("1");
    });
}

// The bars are the steps', in their order and in proportion to their hours, SK's from the first
// step that costs SK, where the change is marked; they follow every change of the plan.
test("draws each step's hours as a bar", async ({ page }) => {
    await open(page, "en/#current=190&target=205&rate=50000&earned=1&skrate=2000");
    const chart = page.getByRole("img", { name: text("en", "Hours each level takes") });
    const bars = chart.locator("rect");
    await expect(bars).toHaveCount(15);
    const drawn = await bars.evaluateAll((rects) => rects.map((rect) => [
        rect.x.baseVal.valueAsString, rect.height.baseVal.value, rect.classList.contains("sk")]));
    const hours = (await page.locator("#PlanSteps tbody tr td:nth-child(4)").allInnerTexts())
        .map(Number);
    const tallest = Math.max(...hours);
    drawn.forEach(([x, height, sk], index) => {
        expect(parseFloat(x)).toBeCloseTo(((index + 0.1) * 100) / 15, 3);
        expect(height / 112).toBeCloseTo(hours[index] / tallest, 5);
        expect(sk).toBe(index >= 10);
    });
    await expect(chart.locator("line")).toHaveAttribute("x1", `${(10 * 100) / 15}%`);
    await expect(chart.locator("line")).not.toHaveAttribute("hidden");
    await box(page, "en", "Target level:").selectOption("195");
    await expect(bars).toHaveCount(5);
    await expect(chart.locator("line")).toHaveAttribute("hidden");
    await box(page, "en", "Average SK/XP per hour:").fill("0");
    await expect(chart).toBeHidden();
});
