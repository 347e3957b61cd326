// The page served as a static host would serve it, in Debian's Chromium; no browser is downloaded.
import { defineConfig } from "@playwright/test";

const site = process.env.RANKTALLY_SITE ?? "../../build/web/site";
const port = Number(process.env.RANKTALLY_PORT ?? 8431);

export default defineConfig({
    testDir: ".",
    testMatch: "*.spec.mjs",
    workers: 2,
    reporter: [["list"]],
    use: {
        baseURL: `http://127.0.0.1:${port}/`,
        browserName: "chromium",
        // One language whatever the machine's: the root page sends a browser of another on.
        locale: "en-US",
        // Playwright scrolls a control into view before it clicks it; on a busy machine the page's
        // smooth scroll could still be moving it, and the click land beside it.
        reducedMotion: "reduce",
        launchOptions: {
            executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
            // As root, without a GPU, and with no traffic to the outside this machine cannot reach.
            args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--no-first-run"],
        },
    },
    webServer: {
        command: `python3 -m http.server ${port} --bind 127.0.0.1 --directory "${site}"`,
        url: `http://127.0.0.1:${port}/index.html`,
        timeout: 120000,
        reuseExistingServer: false,
    },
});
