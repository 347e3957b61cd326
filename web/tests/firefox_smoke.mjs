// A smoke run of the page in Debian's Firefox ESR, which Playwright cannot drive, as a German
// user: the root sends on to the German page with the inputs; on the English page, a climb that
// crosses 200, with its figures and the warning, a pick told only as a change, and the note of a
// German reading; in light and in dark, fields with a border of 3:1 and results on the page.
import puppeteer from "puppeteer-core";
import { serveSite } from "./site_server.mjs";

const port = Number(process.env.RANKTALLY_FIREFOX_PORT ?? 8432);
let failures = 0;

function check(what, actual, expected) {
    if (actual !== expected) {
        failures += 1;
        console.log(`firefox: ${what}: ${JSON.stringify(actual)}, not ${JSON.stringify(expected)}`);
    }
}

async function figuresOf(page) {
    return page.$$eval("#SKNeededTextBox, #HoursNeededTextBox, #DaysNeededTextBox",
                       (boxes) => boxes.map((box) => box.value));
}

const loaded = (page) => page.waitForFunction(
    () => !document.getElementById("Form1").hasAttribute("aria-busy"));

// The lowest contrast of a field's border against the page, as WCAG reckons it, and the results'
// backgrounds.
function colours(page) {
    return page.evaluate(() => {
        const luminance = (colour) => {
            const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((c) => {
                const s = c / 255;
                return s <= 0.04045 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
            });
            return 0.2126 * r + 0.7152 * g + 0.0722 * b;
        };
        const page = luminance(getComputedStyle(document.body).backgroundColor);
        const fields = document.querySelectorAll("select, input:not(.result)");
        const borders = [...fields].map((field) => {
            const [light, dark] = [luminance(getComputedStyle(field).borderTopColor), page]
                .sort((x, y) => y - x);
            return (light + 0.05) / (dark + 0.05);
        });
        const results = [...document.querySelectorAll(".result")]
            .map((box) => getComputedStyle(box).backgroundColor);
        return [Math.min(...borders) >= 3, [...new Set(results)].join()];
    });
}

let browser;
let server;
try {
    server = await serveSite(port);
    const { base } = server;
    browser = await puppeteer.launch({
        browser: "firefox",
        executablePath: process.env.FIREFOX ?? "/usr/bin/firefox-esr",
        headless: true,
        extraPrefsFirefox: { "intl.accept_languages": "de-DE", "intl.locale.requested": "de-DE" },
    });
    const page = await browser.newPage();
    await page.goto(`${base}index.html#current=150`);
    await loaded(page);
    check("the root under German", new URL(page.url()).pathname, "/de/");
    check("its inputs", await page.$eval("#CurrentLevelCombo", (list) => list.value), "150");
    check("its language", await page.$eval("html", (html) => html.lang), "de");
    await page.goto(`${base}en/`);
    await loaded(page);
    await page.select("#CurrentLevelCombo", "1");
    // As some assistive tools tell a pick: the list's value, then "change" alone.
    await page.$eval("#TargetLevelCombo", (list) => {
        list.value = "220";
        list.dispatchEvent(new Event("change", { bubbles: true }));
    });
    await page.select("#HourPlayCombo", "24");
    check("figures", (await figuresOf(page)).join(" "), "2076261991 207626,1991 8651,09162916667");
    check("warning", (await page.$eval("#WarningLabel", (p) => p.textContent)).slice(0, 60),
          "WARNING:You have selected a higher target level than 200. Th");
    await page.click("#SKTextBox", { count: 3 });
    await page.type("#SKTextBox", "10.000");
    check("note", await page.$eval("#RateNote", (note) => note.textContent),
          "Read as 10: \".\" is read as the decimal point.");
    check("hours", (await figuresOf(page))[1], "207626199,1");
    check("colours, light", (await colours(page)).join(" "), "true rgba(0, 0, 0, 0)");
    await browser.close();
    browser = await puppeteer.launch({
        browser: "firefox",
        executablePath: process.env.FIREFOX ?? "/usr/bin/firefox-esr",
        headless: true,
        extraPrefsFirefox: { "layout.css.prefers-color-scheme.content-override": 0 },
    });
    const dark = await browser.newPage();
    await dark.goto(`${base}en/`);
    await loaded(dark);
    check("dark", await dark.evaluate(() => matchMedia("(prefers-color-scheme: dark)").matches),
          true);
    check("colours, dark", (await colours(dark)).join(" "), "true rgba(0, 0, 0, 0)");
} catch (error) {
    failures += 1;
    console.log(`firefox: ${error.message}`);
} finally {
    await browser?.close();
    server?.stop();
}
console.log(`firefox: ${failures === 0 ? 1 : 0} passed, ${failures === 0 ? 0 : 1} failed`);
process.exit(failures === 0 ? 0 : 1);
