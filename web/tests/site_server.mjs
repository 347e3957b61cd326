// The built site served as a host would serve it, for the scripts that drive a browser outside
// Playwright's own server: started on a port, and ready once it answers, which a busy machine may
// take a while to do.
import { spawn } from "node:child_process";
import path from "node:path";

export const site = path.resolve(process.env.RANKTALLY_SITE ??
    new URL("../../build/web/site", import.meta.url).pathname);

// Resolves to the site's address, ending in "/", and a way to stop the server.
export async function serveSite(port) {
    const server = spawn("python3", ["-m", "http.server", String(port), "--bind", "127.0.0.1",
                                     "--directory", site], { stdio: "ignore" });
    const base = `http://127.0.0.1:${port}/`;
    for (const deadline = Date.now() + 120000; ;) {
        try {
            if ((await fetch(`${base}index.html`)).ok) {
                return { base, stop: () => server.kill() };
            }
        } catch {
            // not listening yet
        }
        if (Date.now() > deadline) {
            server.kill();
            throw new Error("not ready after 120 s: the page's server");
        }
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
}
