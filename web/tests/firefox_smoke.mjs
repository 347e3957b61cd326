// A smoke run of the page in Debian's Firefox ESR, which Playwright cannot drive, as a German
// user: the root sends on to the German page with the inputs; on the English page, a climb that
// crosses 200, with its figures and the warning, and the note of a German reading.
import { spawn } from "node:child_process";
import path from "node:path";
import puppeteer from "puppeteer-core";

const site = path.resolve(process.env.RANKTALLY_SITE ?? "../../build/web/site");
const port = Number(process.env.RANKTALLY_FIREFOX_PORT ?? 8432);
const base = `http://127.0.0.1:${port}/`;
const server = spawn("python3", ["-m", "http.server", String(port), "--bind", "127.0.0.1",
                                 "--directory", site], { stdio: "ignore" });
let failures = 0;

function check(what, actual, expected) {
    if (actual !== expected) {
        failures += 1;
        console.log(`firefox: ${what}: ${JSON.stringify(actual)}, not ${JSON.stringify(expected)}`);
    }
}

// The server is ready when it answers; a busy machine may take a while.
async function serverReady() {
    for (const deadline = Date.now() + 120000; Date.now() < deadline;) {
        try {
            if ((await fetch(`${base}index.html`)).ok) {
                return;
            }
        } catch {
            // not listening yet
        }
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
    throw new Error("not ready after 120 s: the page's server");
}

async function figuresOf(page) {
    return page.$$eval(".result", (boxes) => boxes.map((box) => box.value));
}

let browser;
try {
    await serverReady();
    browser = await puppeteer.launch({
        browser: "firefox",
        executablePath: process.env.FIREFOX ?? "/usr/bin/firefox-esr",
        headless: true,
        extraPrefsFirefox: { "intl.accept_languages": "de-DE", "intl.locale.requested": "de-DE" },
    });
    const page = await browser.newPage();
    await page.goto(`${base}index.html#current=150`);
    await page.waitForFunction(() => document.getElementById("needs").hidden);
    check("the root under German", new URL(page.url()).pathname, "/de/");
    check("its inputs", await page.$eval("#CurrentLevelCombo", (list) => list.value), "150");
    check("its language", await page.$eval("html", (html) => html.lang), "de");
    await page.goto(`${base}en/`);
    await page.waitForFunction(() => document.getElementById("needs").hidden);
    await page.select("#CurrentLevelCombo", "1");
    await page.select("#TargetLevelCombo", "220");
    await page.select("#HourPlayCombo", "24");
    check("figures", (await figuresOf(page)).join(" "), "2076261991 207626,1991 8651,09162916667");
    check("warning", (await page.$eval("#WarningLabel", (p) => p.textContent)).slice(0, 60),
          "WARNING:You have selected a higher target level than 200. Th");
    await page.click("#SKTextBox", { count: 3 });
    await page.type("#SKTextBox", "10.000");
    check("note", await page.$eval("#RateNote", (note) => note.textContent),
          "Read as 10: \".\" is read as the decimal point.");
    check("hours", (await figuresOf(page))[1], "207626199,1");
} catch (error) {
    failures += 1;
    console.log(`firefox: ${error.message}`);
} finally {
    await browser?.close();
    server.kill();
}
console.log(`firefox: ${failures === 0 ? 1 : 0} passed, ${failures === 0 ? 0 : 1} failed`);
process.exit(failures === 0 ? 0 : 1);
