// The page as a learner gets it: frames painted pixel for pixel at their
// scale, narration that stays text, a missing part reported in the page, and
// the lesson list driven by mouse and keys.
"use strict";
const assert = require("node:assert/strict");
const fs = require("fs");
const path = require("path");
const {test, before, after} = require("node:test");
const {EXPORT, launch, newPage, fileUrl, openLesson, state, advance, scratchExport} = require("./helpers.js");

let browser;
before(async () => { browser = await launch(); });
after(async () => { if (browser) await browser.close(); });

// Compares a screenshot of the stage with the frame's JPEG repeated s times
// per pixel, outside the pointer, the box and the arrow; both decoded by the
// same browser. Returns the number of differing pixels and the largest
// difference of a colour channel.
async function compareWithFrame(page, jpegFile, scale, saveAs) {
  const rects = await page.evaluate(() => {
    const r = (n) => { const b = n.getBoundingClientRect(); return {x: b.x, y: b.y, width: b.width, height: b.height}; };
    const visible = (n) => !n.hidden;
    return {
      stage: r(document.querySelector(".lw-frame")),
      masks: [...document.querySelectorAll(".lw-pointer, .lw-box, .lw-arrow")].filter(visible).map(r),
    };
  });
  assert.equal(rects.stage.width, 640 * scale);
  assert.equal(rects.stage.height, 480 * scale);
  const shot = await page.screenshot({clip: rects.stage, encoding: "base64", captureBeyondViewport: false});
  if (saveAs) fs.writeFileSync(saveAs, Buffer.from(shot, "base64"));
  const jpeg = fs.readFileSync(jpegFile).toString("base64");
  const judge = await browser.newPage();
  const result = await judge.evaluate(async (shot, jpeg, scale, rects) => {
    const load = (src) => new Promise((resolve, reject) => {
      const img = new Image();
      img.onload = () => resolve(img);
      img.onerror = reject;
      img.src = src;
    });
    const pixels = (img, w, h) => {
      const canvas = document.createElement("canvas");
      canvas.width = w;
      canvas.height = h;
      const ctx = canvas.getContext("2d");
      ctx.imageSmoothingEnabled = false;
      ctx.drawImage(img, 0, 0, w, h);
      return ctx.getImageData(0, 0, w, h).data;
    };
    const w = 640 * scale;
    const h = 480 * scale;
    const a = pixels(await load("data:image/png;base64," + shot), w, h);
    const b = pixels(await load("data:image/jpeg;base64," + jpeg), w, h);
    const masked = (x, y) => rects.masks.some((m) =>
      x >= m.x - rects.stage.x - 1 && x < m.x - rects.stage.x + m.width + 1 &&
      y >= m.y - rects.stage.y - 1 && y < m.y - rects.stage.y + m.height + 1);
    let differing = 0;
    let largest = 0;
    let compared = 0;
    for (let y = 0; y < h; ++y) {
      for (let x = 0; x < w; ++x) {
        if (masked(x, y)) continue;
        ++compared;
        const i = 4 * (y * w + x);
        const d = Math.max(Math.abs(a[i] - b[i]), Math.abs(a[i + 1] - b[i + 1]), Math.abs(a[i + 2] - b[i + 2]));
        if (d > 0) ++differing;
        largest = Math.max(largest, d);
      }
    }
    return {differing, largest, compared};
  }, shot, jpeg, scale, rects);
  await judge.close();
  return result;
}

for (const [viewport, scale] of [[{width: 800, height: 600}, 1], [{width: 1400, height: 1100}, 2]]) {
  test("a step's frame painted exactly at scale " + scale, async () => {
    const page = await newPage(browser, viewport);
    await openLesson(page, 1);
    // Event 1 of p1: a frame with its box and arrow.
    await page.evaluate(() => window.p.next());
    await advance(page, 10000);
    const s = await state(page);
    assert.equal(s.event, 1);
    assert.equal(await page.evaluate(() => window.p.scale), scale);
    await page.evaluate(() => document.querySelector(".lw-frame").decode());
    const saveAs = process.env.LW_SCREENSHOTS ? path.join(process.env.LW_SCREENSHOTS, "step-scale" + scale + ".png") : null;
    const result = await compareWithFrame(page, path.join(EXPORT, "frames/p1/0001.jpg"), scale, saveAs);
    assert.ok(result.compared > 640 * 480 * scale * scale * 0.8, JSON.stringify(result));
    assert.equal(result.differing, 0, JSON.stringify(result));
    if (saveAs) await page.screenshot({path: path.join(process.env.LW_SCREENSHOTS, "page-scale" + scale + ".png")});
    await page.close();
  });
}

test("narration with markup shows as text and runs nothing", async () => {
  const folder = scratchExport();
  const file = path.join(folder, "parts", "p1.js");
  const lines = ["<script>window.pwned = 1<\/script>", "<img src=x onerror=\"window.pwned = 2\">", "<b>bold</b> & more"];
  const text = fs.readFileSync(file, "latin1").replace(/("box":\{"text":)\[[^\]]*\]/, (m, head) => head + JSON.stringify(lines));
  fs.writeFileSync(file, text);
  const page = await newPage(browser);
  await openLesson(page, 1, folder);
  const s = await state(page);
  assert.equal(s.narration.text, lines.join("\n"));
  const box = await page.evaluate(() => {
    const text = document.querySelector(".lw-box-text");
    return {lines: [...text.children].map((n) => n.textContent), elements: text.querySelectorAll("script, img, b").length};
  });
  assert.deepEqual(box, {lines, elements: 0});
  await advance(page, 1000);
  assert.equal(await page.evaluate(() => window.pwned), undefined);
  await page.close();
  fs.rmSync(folder, {recursive: true});
});

test("a missing part file: the message in the page and \"error\"", async () => {
  const folder = scratchExport();
  fs.rmSync(path.join(folder, "parts", "p20a.js"));
  const page = await newPage(browser);
  await openLesson(page, 20, folder);
  const steps = (await state(page)).steps;
  await page.evaluate((n) => window.p.goTo("p20", n), steps);
  for (let i = 0; i < 50; ++i) {
    const seen = await page.evaluate(() => window.seen);
    if (seen.some((e) => e.type === "error")) break;
    await page.evaluate(() => (window.p.getState().narration.visible ? window.p.next() : window.p.advance(60000)));
  }
  const seen = await page.evaluate(() => window.seen);
  const errors = seen.filter((e) => e.type === "error");
  assert.equal(errors.length, 1);
  assert.match(errors[0].message, /p20a/);
  assert.deepEqual(seen.filter((e) => e.type === "partend").map((e) => e.part), ["p20"]);
  const message = await page.$eval(".lw-message", (n) => ({hidden: n.hidden, text: n.textContent, role: n.getAttribute("role")}));
  assert.deepEqual(message, {hidden: false, text: errors[0].message, role: "alert"});
  assert.equal((await state(page)).finished, false);
  await page.close();
  fs.rmSync(folder, {recursive: true});
});

test("the lesson list: a click shows the topics, Enter and a double click play, the player goes back", async () => {
  const page = await newPage(browser);
  await page.goto(fileUrl(path.join(EXPORT, "index.html")));
  await page.waitForSelector("#lessons option");
  const options = await page.$$("#lessons option");
  assert.equal(options.length, 20);
  await options[19].click();
  assert.match(await page.$eval("#topics-title", (n) => n.textContent), /^Lesson 20/);
  assert.ok(await page.$$eval("#topics li", (n) => n.length) > 0);
  await page.focus("#lessons");
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => window.lessonwrightPlayer && window.lessonwrightPlayer.getState().part === "p20");
  assert.equal(await page.$eval("#launcher", (n) => n.hidden), true);
  assert.equal(await page.$eval(".lw-next", (n) => n.tagName), "BUTTON");
  assert.equal(await page.$eval(".lw-box-text", (n) => n.getAttribute("aria-live")), "polite");
  await page.keyboard.press("Escape");
  assert.equal(await page.$eval("#launcher", (n) => n.hidden), false);
  await options[1].click({count: 2});
  await page.waitForFunction(() => window.lessonwrightPlayer && window.lessonwrightPlayer.getState().part === "p2");
  await page.click("#close");
  assert.equal(await page.$eval("#playback", (n) => n.hidden), true);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("the end of a lesson offers the next one", async () => {
  const page = await newPage(browser);
  await page.evaluateOnNewDocument(() => { window.lessonwrightClock = "manual"; });
  await page.goto(fileUrl(path.join(EXPORT, "index.html")));
  await page.waitForSelector("#lessons option");
  await page.select("#lessons", await page.$eval("#lessons option:nth-child(14)", (n) => n.value));
  await page.focus("#lessons");
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => window.lessonwrightPlayer && window.lessonwrightPlayer.getState().part === "p14");
  await page.evaluate(async () => {
    const p = window.lessonwrightPlayer;
    while (!p.getState().finished) {
      if (p.getState().narration.visible) await p.next();
      await p.advance(1000);
    }
  });
  assert.equal(await page.$eval("#lesson-end", (n) => n.hidden), false);
  assert.equal(await page.evaluate(() => document.activeElement.id), "next-lesson");
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => window.lessonwrightPlayer.getState().part === "p15");
  assert.equal(await page.$eval("#lesson-end", (n) => n.hidden), true);
  assert.deepEqual(page.errors, []);
  await page.close();
});
