// Shared set-up of the browser tests: the exported course under test, the
// system's Chromium, and a player driven on its manual clock.
"use strict";
const assert = require("node:assert/strict");
const fs = require("fs");
const os = require("os");
const path = require("path");
const {launch} = require("./helpers-light.js");

const EXPORT = process.env.LW_WEB_EXPORT;
const SCORM_ZIP = process.env.LW_SCORM_ZIP;

if (!EXPORT || !fs.existsSync(path.join(EXPORT, "index.html"))) {
  throw new Error("LW_WEB_EXPORT must name an exported course folder (CTest prepares one)");
}

function fileUrl(file) {
  return "file://" + path.resolve(file);
}

// A page that reports its script errors to the test.
async function newPage(browser, viewport) {
  const page = await browser.newPage();
  page.errors = [];
  page.on("pageerror", (e) => page.errors.push(e.message));
  await page.setViewport(viewport || {width: 1024, height: 768});
  return page;
}

// Opens the export's index.html and plays a lesson through the API on the
// manual clock; the player is window.p, its events are window.seen.
async function openLesson(page, lesson, folder) {
  await page.goto(fileUrl(path.join(folder || EXPORT, "index.html")));
  await page.waitForSelector("#lessons option");
  await page.evaluate((lesson) => {
    document.getElementById("launcher").hidden = true;
    document.getElementById("playback").hidden = false;
    window.seen = [];
    window.p = LessonwrightPlayer.create(".", document.getElementById("stage"), {lesson, clock: "manual"});
    for (const type of ["step", "partend", "lessonend", "error"]) {
      window.p.addEventListener(type, (e) => window.seen.push({type, part: e.part, step: e.step, message: e.message}));
    }
    window.p.focus();
  }, lesson);
  // The lesson is open once its first part has started.
  await page.evaluate(() => window.p.busy);
  assert.ok(await page.evaluate(() => window.p.started), "the lesson did not start");
}

const state = (page) => page.evaluate(() => window.p.getState());
const advance = (page, ms) => page.evaluate((ms) => window.p.advance(ms), ms);

// A folder that plays like the export but whose part files the test may
// change: the part files are copied, everything else is linked.
function scratchExport() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "lw-web-"));
  for (const name of fs.readdirSync(EXPORT)) {
    if (name !== "parts") fs.symlinkSync(path.join(EXPORT, name), path.join(dir, name));
  }
  fs.mkdirSync(path.join(dir, "parts"));
  for (const name of fs.readdirSync(path.join(EXPORT, "parts"))) {
    fs.copyFileSync(path.join(EXPORT, "parts", name), path.join(dir, "parts", name));
  }
  return dir;
}

module.exports = {EXPORT, SCORM_ZIP, launch, newPage, fileUrl, openLesson, state, advance, scratchExport};
