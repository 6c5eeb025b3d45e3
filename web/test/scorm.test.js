// The SCORM package inside a stand-in LMS (scorm-again's runtime): status,
// location, resume, commit and finish, and the package without an LMS.
"use strict";
const assert = require("node:assert/strict");
const childProcess = require("child_process");
const fs = require("fs");
const http = require("http");
const os = require("os");
const path = require("path");
const {test, before, after} = require("node:test");
const {SCORM_ZIP, launch, newPage} = require("./helpers.js");

const TYPES = {".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".png": "image/png",
               ".jpg": "image/jpeg", ".xml": "application/xml"};

let browser;
let server;
let base;
let unpacked;

before(async () => {
  assert.ok(SCORM_ZIP && fs.existsSync(SCORM_ZIP), "LW_SCORM_ZIP must name the package");
  unpacked = fs.mkdtempSync(path.join(os.tmpdir(), "lw-scorm-"));
  childProcess.execFileSync("/usr/bin/python3", ["-m", "zipfile", "-e", SCORM_ZIP, unpacked]);
  const routes = {
    "/lms.html": path.join(__dirname, "lms.html"),
    "/lms.js": path.join(__dirname, "lms.js"),
    "/scorm12.js": path.join(__dirname, "..", "node_modules", "scorm-again", "dist", "scorm12.js"),
  };
  server = http.createServer((req, res) => {
    const url = decodeURIComponent(new URL(req.url, "http://x").pathname);
    const file = routes[url] || (url.startsWith("/package/") ? path.join(unpacked, path.normalize(url.slice(9))) : null);
    if (!file || !file.startsWith(unpacked) && !routes[url] || !fs.existsSync(file)) {
      res.writeHead(404);
      res.end();
      return;
    }
    res.writeHead(200, {"Content-Type": TYPES[path.extname(file)] || "application/octet-stream"});
    fs.createReadStream(file).pipe(res);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  base = "http://127.0.0.1:" + server.address().port;
  browser = await launch();
});

after(async () => {
  if (browser) await browser.close();
  if (server) server.close();
  if (unpacked) fs.rmSync(unpacked, {recursive: true});
});

// A page whose players run on the manual clock, with the LMS and a lesson.
async function openInLms(page, lesson, saved) {
  await page.evaluateOnNewDocument(() => { window.lessonwrightClock = "manual"; });
  await page.goto(base + "/lms.html");
  const name = "lesson-" + String(lesson).padStart(2, "0") + ".html";
  await page.evaluate((page, saved) => window.startLms(page, saved), "/package/" + name, saved || null);
  const frame = await (await page.waitForSelector("#sco")).contentFrame();
  await frame.waitForFunction(() => window.lessonwrightPlayer && window.lessonwrightPlayer.getState().part);
  await frame.evaluate(() => window.lessonwrightPlayer.busy);
  return frame;
}

const lms = (page) => page.evaluate(() => ({
  status: window.API.cmi.core.lesson_status,
  location: window.API.cmi.core.lesson_location,
  exit: window.sets["cmi.core.exit"],
  calls: Object.assign({}, window.calls),
}));

test("status, location, commit and finish; a returning learner resumes", async () => {
  const page = await newPage(browser);
  let frame = await openInLms(page, 2);
  let seen = await lms(page);
  assert.equal(seen.status, "incomplete");
  assert.ok(seen.calls.commit >= 1);

  // Play to the third narration step.
  await frame.evaluate(async () => {
    const p = window.lessonwrightPlayer;
    while (p.getState().step < 3) {
      if (p.getState().narration.visible) await p.next();
      await p.advance(200);
    }
  });
  const here = await frame.evaluate(() => window.lessonwrightPlayer.getState());
  assert.equal(here.narration.visible, true);
  assert.equal((await lms(page)).location, here.part + ":3");

  // Leaving the page commits and finishes, marked as suspended.
  await page.evaluate(() => { document.getElementById("sco").src = "about:blank"; });
  await page.waitForFunction(() => window.calls.finish === 1);
  seen = await lms(page);
  assert.equal(seen.exit, "suspend");
  assert.ok(seen.calls.commit >= 2);
  const saved = await page.evaluate(() => window.savedData());
  await page.close();

  // Back again: the same step, its box up.
  const again = await newPage(browser);
  frame = await openInLms(again, 2, saved);
  await frame.waitForFunction(() => window.lessonwrightPlayer.getState().step === 3);
  const resumed = await frame.evaluate(() => window.lessonwrightPlayer.getState());
  assert.equal(resumed.part, here.part);
  assert.equal(resumed.event, here.event);
  assert.equal(resumed.narration.text, here.narration.text);
  assert.equal(resumed.paused, false);
  assert.equal((await lms(again)).status, "incomplete");

  // To the end of the lesson: completed, and committed at once.
  const commits = (await lms(again)).calls.commit;
  await frame.evaluate(async () => {
    const p = window.lessonwrightPlayer;
    while (!p.getState().finished) {
      if (p.getState().narration.visible) await p.next();
      await p.advance(1000);
    }
  });
  seen = await lms(again);
  assert.equal(seen.status, "completed");
  assert.ok(seen.calls.commit > commits);
  await again.evaluate(() => { document.getElementById("sco").src = "about:blank"; });
  await again.waitForFunction(() => window.calls.finish === 1);
  assert.equal((await lms(again)).status, "completed");
  assert.deepEqual(again.errors, []);
  await again.close();
});

test("without an LMS the launch page plays its lesson", async () => {
  const page = await newPage(browser);
  await page.goto(base + "/package/lesson-20.html");
  await page.waitForFunction(() => window.lessonwrightPlayer && window.lessonwrightPlayer.getState().part === "p20");
  const s = await page.evaluate(() => window.lessonwrightPlayer.getState());
  assert.equal(s.lesson, 20);
  assert.equal(s.paused, false);
  assert.equal(await page.$eval(".lw-frame", (n) => n.complete && n.naturalWidth), 640);
  assert.deepEqual(page.errors, []);
  await page.close();
});
