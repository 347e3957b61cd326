// The planner as a player meets it: opened by a link or by hand, its figures the core's, its dates
// in the browser's regional format whatever the page's language, its steps a table.
import { readFileSync } from "node:fs";
import { expect, test } from "./fixtures.mjs";

const catalogue = JSON.parse(readFileSync(process.env.RANKTALLY_CATALOGUE ??
    new URL("../../build/web/catalogue.json", import.meta.url), "utf8"));
const text = (tag, source) => catalogue[tag].texts[source];
const box = (page, tag, caption) => page.getByLabel(text(tag, caption), { exact: true });
const planner = (page) => page.locator("#Planner");
// 150 to 210 at 50000 an hour, 8 hours a day, 43% earned, SK at 2000 an hour.
const example = "#current=150&target=210&hours=8&rate=50000&earned=43%25&skrate=2000";

// Play starts at noon on 9 December 2026, wherever the machine is.
test.use({ timezoneId: "UTC" });
test.beforeEach(async ({ page }) => {
    await page.clock.setFixedTime(new Date("2026-12-09T12:00:00Z"));
});

async function open(page, address) {
    await page.goto(address);
    await expect(page.locator("#Form1")).not.toHaveAttribute("aria-busy");
}

// The words of the page's language, the figures and dates of the browser's locale.
const english = ["36193.17168", "Friday, April 29, 2039", "143.82468", "Dec 26, 2026",
                 "Dec 25, 2038"];
const german = ["36193,17168", "Freitag, 29. April 2039", "143,82468", "26.12.2026", "25.12.2038"];
for (const [tag, locale, [hours, arrival, firstHours, firstDay, firstSkDay]] of [
    ["en", "en-US", english], ["en", "de-DE", german], ["de", "en-US", english],
    ["de", "de-DE", german],
]) {
    test(`plans the ${tag} page's climb under ${locale}`, async ({ browser }) => {
        const context = await browser.newContext({ locale, timezoneId: "UTC" });
        const page = await context.newPage();
        await page.clock.setFixedTime(new Date("2026-12-09T12:00:00Z"));
        await open(page, `${tag}/${example}`);
        await expect(planner(page)).toHaveAttribute("open");
        await expect(box(page, tag, "XP still needed:")).toHaveValue("1757741234");
        await expect(box(page, tag, "SK still needed:")).toHaveValue("2076694");
        await expect(box(page, tag, "Hours of play:")).toHaveValue(hours);
        await expect(box(page, tag, "Target reached on:")).toHaveValue(arrival);
        const steps = page.getByRole("table", { name: text(tag, "The climb, level by level") });
        const rows = steps.getByRole("row");
        await expect(rows).toHaveCount(61);
        await expect(rows.nth(1).getByRole("cell"))
            .toHaveText([text(tag, "XP"), "7191234", firstHours, firstHours, firstDay]);
        // The change to SK in words, with the columns' headers a screen reader reads with a row.
        const firstSk = steps.getByRole("row")
            .filter({ has: page.getByRole("rowheader", { name: "201", exact: true }) });
        await expect(firstSk.getByRole("cell").first()).toHaveText(text(tag, "SK from here on"));
        await expect(firstSk.getByRole("cell").last()).toHaveText(firstSkDay);
        for (const column of ["Level reached", "Points in", "Points", "Hours", "Hours of play",
                              "Reached on"]) {
            await expect(steps.getByRole("columnheader", { name: text(tag, column), exact: true }))
                .toBeVisible();
        }
        await context.close();
    });
}

// Closed unless the link carries a part of its own that passes the link's checks; what the user
// types goes into the link.
for (const [link, opened, earned] of [
    ["#current=1&target=2", false, ""],
    ["#current=1&target=2&earned=100", true, "100"],
    ["#current=1&target=2&earned=%3Cscript%3E", false, ""],
    ["#current=1&target=2&skrate=1%0A2", false, ""],
    ["#current=1&target=2&earned=%E0%A4%A", false, ""],
]) {
    test(`opens ${link} ${opened ? "open" : "closed"}`, async ({ page }) => {
        await open(page, `en/${link}`);
        await expect(planner(page)).toHaveJSProperty("open", opened);
        await expect(page.locator("#EarnedTextBox")).toHaveValue(earned);
        await expect(page.locator("#SKRateTextBox")).toHaveValue("");
        await expect(box(page, "en", "SK/XP needed:")).toHaveValue("1450");
    });
}

test("writes what the player types into the link", async ({ page }) => {
    await open(page, "en/#current=150&target=210");
    await page.getByText(text("en", "Plan the climb")).click();
    await box(page, "en", "Already earned in this level:").fill("1 234");
    await box(page, "en", "SK per hour from level 200:").fill("2000");
    await expect(page).toHaveURL(/#current=150&target=210&hours=1&rate=10000&earned=1%20234&skrate=2000$/);
    await expect(box(page, "en", "XP still needed:")).toHaveValue("1763164966");
});

// What each case shows, and the notes beside the boxes.
test("says what it cannot plan", async ({ page }) => {
    await open(page, "en/#current=1&target=2&rate=-5&earned=-3");
    await expect(box(page, "en", "Hours of play:")).toHaveValue("");
    await expect(page.locator("#PlanNote")).toHaveText("A negative rate plans nothing.");
    await expect(box(page, "en", "Already earned in this level:"))
        .toHaveAccessibleDescription("Counted as 0: nothing earned is less than 0.");
    await open(page, "en/#current=200&target=210&skrate=2000");
    const skRate = box(page, "en", "SK per hour from level 200:");
    await expect(skRate).toBeDisabled();
    await expect(skRate).toHaveValue("2000");
    await expect(skRate).toHaveAccessibleDescription(
        "Not used: from level 200 up, the average SK/XP per hour is the SK rate.");
    await expect(page).toHaveURL(/skrate=2000/);
});

// At local midnight the dates move on with no input.
test("plans anew at midnight", async ({ page }) => {
    await page.clock.install({ time: new Date("2026-12-09T23:59:30Z") });
    await open(page, "en/#current=1&target=2&hours=24&rate=1000&earned=5");
    const arrival = box(page, "en", "Target reached on:");
    await expect(arrival).toHaveValue("Wednesday, December 9, 2026");
    await page.clock.runFor(60000);
    await expect(arrival).toHaveValue("Thursday, December 10, 2026");
});

// The longest climb is drawn a few rows a frame: a row not drawn yet is hidden, never stale.
test("shows no step of the last plan while it draws", async ({ page }) => {
    await open(page, "en/#current=1&target=220&hours=24&rate=50000&earned=1");
    const rows = page.getByRole("table").getByRole("row");
    await expect(rows).toHaveCount(220);
    const seen = await page.evaluate(() => {
        const hours = document.getElementById("HourPlayCombo");
        hours.value = "1";
        hours.dispatchEvent(new Event("change", { bubbles: true }));
        return [...document.getElementById("PlanSteps").rows]
            .filter((row) => getComputedStyle(row).visibility === "visible")
            .map((row) => row.innerText);
    });
    expect(seen.length).toBeLessThan(220);
    await expect(rows).toHaveCount(220);
    expect(seen).toEqual((await rows.allInnerTexts()).slice(0, seen.length));
});

// At 320 px the page never scrolls sideways; the longest climb scrolls within its own box.
test.describe(() => {
    test.use({ viewport: { width: 320, height: 640 } });
    test("fits 320 px", async ({ page }) => {
        await open(page, "de/#current=1&target=220&earned=1");
        await expect(page.locator("#PlanSteps tbody tr")).toHaveCount(219);
        const widths = await page.evaluate(() => ({
            page: document.scrollingElement.scrollWidth,
            view: innerWidth,
            steps: document.querySelector(".steps").scrollHeight >
                document.querySelector(".steps").clientHeight,
        }));
        expect(widths.page).toBeLessThanOrEqual(widths.view);
        expect(widths.steps).toBe(true);
    });
});
