// Starting the system's Chromium the way the tests do, for scripts that have
// no exported folder named in the environment.
"use strict";
const puppeteer = require("puppeteer-core");

function launch() {
  return puppeteer.launch({
    executablePath: process.env.LW_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--allow-file-access-from-files", "--disable-gpu", "--font-render-hinting=none"],
  });
}

module.exports = {launch};
