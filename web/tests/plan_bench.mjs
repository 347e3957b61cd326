// How long the page takes to plan and draw the longest climb, 219 steps, in Debian's Chromium: the
// median of 31 picks of the whole climb, each timed from the pick to the end of its event's work, and
// any long task (50 ms or more) the browser reports. A benchmark, not a test: it prints and passes.
//   node web/tests/plan_bench.mjs   (after scripts/web.sh --build-only)
import { spawn } from "node:child_process";
import path from "node:path";
import { chromium } from "@playwright/test";

const site = path.resolve(process.env.RANKTALLY_SITE ??
    new URL("../../build/web/site", import.meta.url).pathname);
const port = Number(process.env.RANKTALLY_BENCH_PORT ?? 8434);
const server = spawn("python3", ["-m", "http.server", String(port), "--bind", "127.0.0.1",
                                 "--directory", site], { stdio: "ignore" });
const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking"],
});
try {
    const page = await browser.newPage();
    for (const deadline = Date.now() + 60000; ;) {
        try {
            await page.goto(`http://127.0.0.1:${port}/en/#current=1&target=2&earned=1`);
            break;
        } catch (error) {
            if (Date.now() > deadline) {
                throw error;
            }
            await new Promise((resolve) => setTimeout(resolve, 100));
        }
    }
    await page.waitForSelector("#Form1:not([aria-busy])");
    const { times, longTasks } = await page.evaluate(async () => {
        const longTasks = [];
        new PerformanceObserver((list) => longTasks.push(...list.getEntries()
            .map((entry) => entry.duration))).observe({ type: "longtask" });
        const target = document.getElementById("TargetLevelCombo");
        const times = [];
        for (let run = 0; run < 61; run += 1) {
            target.value = run % 2 ? "2" : "220";
            const start = performance.now();
            target.dispatchEvent(new Event("change", { bubbles: true }));
            // Laid out as the next frame would lay it out.
            void document.body.offsetHeight;
            if (!(run % 2)) {
                times.push(performance.now() - start);
            }
            await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
        }
        return { times: times.sort((a, b) => a - b), longTasks };
    });
    const tasks = longTasks.map((duration) => duration.toFixed(0)).join(", ");
    console.log(`219 steps planned and drawn: median ${times[times.length >> 1].toFixed(1)} ms, ` +
                `slowest ${times.at(-1).toFixed(1)} ms; long tasks: ${tasks ? `${tasks} ms` : "none"}`);
} finally {
    await browser.close();
    server.kill();
}
