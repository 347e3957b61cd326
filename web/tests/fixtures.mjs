// Playwright's test, failing any test whose page logs an error or a warning (a CSP violation, a
// throttled navigation, an unused preload, an uncaught exception) unless the test says it expects
// them.
import { expect, test as base } from "@playwright/test";

export { expect };

export const test = base.extend({
    page: async ({ page }, use, testInfo) => {
        const logged = [];
        page.on("console", (message) => {
            if (["error", "warning"].includes(message.type())) {
                logged.push(`${message.type()}: ${message.text()}`);
            }
        });
        page.on("pageerror", (error) => logged.push(`uncaught: ${error.message}`));
        await use(page);
        if (!testInfo.annotations.some((note) => note.type === "logs errors")) {
            expect(logged).toEqual([]);
        }
    },
});
