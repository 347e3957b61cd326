// The site's worker as a site changes under it and its network fails: served by hosts that send
// no cache headers, each test's own.
import { execFileSync, spawn } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import { expect, test } from "./fixtures.mjs";

const site = path.resolve(process.env.RANKTALLY_SITE ?? "../../build/web/site");
const web = new URL("../", import.meta.url).pathname;
const port = Number(process.env.RANKTALLY_WORKER_PORT ?? 8433);
const base = `http://127.0.0.1:${port}/`;
// Each test serves on this port: the file's tests run one after another.
test.use({ baseURL: base });

// Waits until the server at `base` answers; a busy machine may take a while.
async function ready() {
    for (const deadline = Date.now() + 60000; Date.now() < deadline;) {
        try {
            await fetch(`${base}sw.js`);
            return;
        } catch {
            await new Promise((resolve) => setTimeout(resolve, 100));
        }
    }
    throw new Error(`no server at ${base} after 60 s`);
}

// Opens the page at this address and waits for its figures.
async function open(page, address) {
    await page.goto(address);
    await expect(page.locator("#Form1")).not.toHaveAttribute("aria-busy");
}

// Which build each part of the open page comes from: the page, its style, its script.
const builds = (page) => page.evaluate(() => [
    document.querySelector("h1").textContent.endsWith(" B") ? "B" : "A",
    getComputedStyle(document.querySelector("h1")).letterSpacing === "1px" ? "B" : "A",
    document.documentElement.dataset.build ?? "A",
]);

// Two builds of the site, A and B, each as the build stamps it, B with a changed page, style and
// script; A's files an hour old, as a site's are, which a browser's cache guesses fresh for a
// while. `live` serves A until switched.
function twoBuilds() {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "ranktally-builds-"));
    const a = path.join(folder, "a");
    fs.cpSync(site, a, { recursive: true });
    const hourAgo = new Date(Date.now() - 3600000);
    for (const file of fs.readdirSync(a, { recursive: true })) {
        fs.utimesSync(path.join(a, file), hourAgo, hourAgo);
    }
    const made = path.join(folder, "pages");
    fs.cpSync(path.join(site, "../pages"), made, { recursive: true });
    fs.appendFileSync(path.join(made, "app.js"),
                      "document.documentElement.dataset.build = \"B\";\n");
    fs.appendFileSync(path.join(made, "style.css"), "h1 { letter-spacing: 1px; }\n");
    for (const file of fs.readdirSync(made, { recursive: true })) {
        if (file.endsWith("index.html")) {
            const page = path.join(made, file);
            fs.writeFileSync(page, fs.readFileSync(page, "utf8").replace("</h1>", " B</h1>"));
        }
    }
    const b = path.join(folder, "b");
    execFileSync("cmake", [`-DFROM=${made}`, `-DTO=${b}`, `-DWORKER=${web}sw.js.in`, "-P",
                           `${web}StampSite.cmake`]);
    const live = path.join(folder, "live");
    fs.symlinkSync(a, live);
    return {
        live,
        toB: () => {
            fs.symlinkSync(b, `${live}.next`);
            fs.renameSync(`${live}.next`, live);
        },
        remove: () => fs.rmSync(folder, { recursive: true }),
    };
}

// Python's own server, as scripts/web.sh serves the site: no Cache-Control, Last-Modified only.
test.describe("an update served without cache headers", () => {
    let builds_;
    let server;
    test.beforeEach(async () => {
        builds_ = twoBuilds();
        server = spawn("python3", ["-m", "http.server", String(port), "--bind", "127.0.0.1",
                                   "--directory", builds_.live], { stdio: "ignore" });
        await ready();
    });
    test.afterEach(() => {
        server.kill();
        builds_.remove();
    });

    // The worker's page: the update shows on the next load or the one after, then the waiting
    // worker is offered, and taken only when the user asks.
    test("reaches the user, with its worker when asked, and never mixed", async ({ page }) => {
        await open(page, "en/");
        await page.evaluate(() => navigator.serviceWorker.ready);
        await open(page, "en/");
        expect(await builds(page)).toEqual(["A", "A", "A"]);
        builds_.toB();
        const seen = [];
        for (let load = 0; load < 2 && seen.at(-1)?.[0] !== "B"; load += 1) {
            await open(page, "en/");
            seen.push(await builds(page));
        }
        expect(seen.every((parts) => new Set(parts).size === 1)).toBe(true);
        expect(seen.at(-1)).toEqual(["B", "B", "B"]);
        const offer = page.getByText("A new version is ready.");
        // The new worker first keeps the whole build, which a busy machine takes a while for.
        await expect(offer).toBeVisible({ timeout: 30000 });
        const [before] = await page.evaluate(() => caches.keys());
        await Promise.all([page.waitForEvent("load"),
                           offer.getByRole("button", { name: "Reload" }).click()]);
        await expect(page.locator("#Form1")).not.toHaveAttribute("aria-busy");
        expect(await builds(page)).toEqual(["B", "B", "B"]);
        const after = await page.evaluate(() => caches.keys());
        expect(after).toHaveLength(1);
        expect(after).not.toEqual([before]);
        await page.context().setOffline(true);
        await open(page, "de/");
        expect(await builds(page)).toEqual(["B", "B", "B"]);
    });
});

// A host that answers as `server.mode` says: "answering", "silent" (it takes the connection and
// never answers), or "slow" (it answers a page at once, its other files after 4 s).
async function serve(directory) {
    const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css",
                    ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                    ".svg": "image/svg+xml", ".png": "image/png" };
    const server = http.createServer((request, response) => {
        let file = path.join(directory, new URL(request.url, base).pathname);
        file += file.endsWith("/") ? "index.html" : "";
        const answer = () => fs.readFile(file, (error, body) => response
            .writeHead(error ? 404 : 200, { "Content-Type": types[path.extname(file)] })
            .end(error ? "" : body));
        if (server.mode === "answering") {
            answer();
        } else if (server.mode === "slow") {
            setTimeout(answer, file.endsWith(".html") ? 0 : 4000);
        }
    });
    server.mode = "answering";
    await new Promise((resolve) => server.listen(port, "127.0.0.1", resolve));
    return server;
}

test.describe("a network that fails", () => {
    let builds_;
    let server;
    test.beforeEach(async () => {
        builds_ = twoBuilds();
        server = await serve(builds_.live);
    });
    test.afterEach(() => {
        server.closeAllConnections();
        server.close();
        builds_.remove();
    });

    // The page comes from the worker's cache after its patience, about 3 s, with every file of
    // its build.
    test("a page opens from the cache when the network does not answer", async ({ page }) => {
        await open(page, "fr/");
        await page.evaluate(() => navigator.serviceWorker.ready);
        server.mode = "silent";
        const started = Date.now();
        await open(page, "de/#current=1&target=2");
        const took = Date.now() - started;
        expect(took).toBeGreaterThan(2500);
        expect(took).toBeLessThan(10000);
        await expect(page.locator("#SKNeededTextBox")).toHaveValue("1450");
    });

    // A new build's page arrives in time, its files too late for the worker's patience: the old
    // build's files, which the worker has, must not stand in for them.
    test("a slow network never mixes two builds", async ({ page }) => {
        await open(page, "en/");
        await page.evaluate(() => navigator.serviceWorker.ready);
        await open(page, "en/");
        builds_.toB();
        server.mode = "slow";
        await open(page, "en/");
        expect(await builds(page)).toEqual(["B", "B", "B"]);
    });
});
