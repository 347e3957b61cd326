// How long the page takes to plan and draw the longest climb, 219 steps, in Debian's Chromium, over
// 31 picks of the whole climb: the pick's own work, laid out; the time until every row is drawn, a
// frame at a time; and any long task (50 ms or more) the browser reports. A benchmark, not a test:
// it prints and passes.
//   node web/tests/plan_bench.mjs   (after scripts/web.sh --build-only)
import { chromium } from "@playwright/test";
import { serveSite } from "./site_server.mjs";

const server = await serveSite(Number(process.env.RANKTALLY_BENCH_PORT ?? 8434));
const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking"],
});
try {
    const page = await browser.newPage();
    await page.goto(`${server.base}en/#current=1&target=2&earned=1`);
    await page.waitForSelector("#Form1:not([aria-busy])");
    // As a player picks: once the page has settled, its worker installed and the network idle.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForLoadState("networkidle");
    const { picks, drawn, longTasks } = await page.evaluate(async () => {
        const longTasks = [];
        new PerformanceObserver((list) => longTasks.push(...list.getEntries()
            .map((entry) => entry.duration))).observe({ type: "longtask" });
        const target = document.getElementById("TargetLevelCombo");
        const table = document.getElementById("PlanSteps");
        const frame = () => new Promise((resolve) =>
            requestAnimationFrame(() => setTimeout(resolve)));
        const picks = [];
        const drawn = [];
        for (let run = 0; run < 61; run += 1) {
            target.value = run % 2 ? "2" : "220";
            const start = performance.now();
            target.dispatchEvent(new Event("change", { bubbles: true }));
            // Laid out as the next frame would lay it out.
            void document.body.offsetHeight;
            const picked = performance.now();
            while (table.hasAttribute("aria-busy")) {
                await frame();
            }
            void document.body.offsetHeight;
            if (!(run % 2)) {
                picks.push(picked - start);
                drawn.push(performance.now() - start);
            }
            await frame();
        }
        const sorted = (times) => times.sort((a, b) => a - b);
        return { picks: sorted(picks), drawn: sorted(drawn), longTasks };
    });
    const median = (times) => times[times.length >> 1].toFixed(1);
    const tasks = longTasks.map((duration) => duration.toFixed(0)).join(", ");
    const slowest = (times) => times.at(-1).toFixed(1);
    console.log(`219 steps: the pick's own work median ${median(picks)} ms, slowest ` +
                `${slowest(picks)} ms; every row drawn after median ${median(drawn)} ms, ` +
                `slowest ${slowest(drawn)} ms; long tasks: ${tasks ? `${tasks} ms` : "none"}`);
} finally {
    await browser.close();
    server.stop();
}
