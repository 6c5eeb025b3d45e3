// Lessons 1 and 20 played in Chromium, checked event by event against what
// the scripts themselves say: the pointer's glide tick by tick, the narration
// boxes with their text and place, the arrows, the chaining of parts.
"use strict";
const assert = require("node:assert/strict");
const {test, before, after} = require("node:test");
const reference = require("./reference.js");
const {launch, newPage, openLesson, state, advance} = require("./helpers.js");

let browser;
before(async () => { browser = await launch(); });
after(async () => { if (browser) await browser.close(); });

const boxPlace = (page) => page.evaluate(() => {
  const box = document.querySelector(".lw-box");
  return {x: parseInt(box.style.left, 10), y: parseInt(box.style.top, 10), text: box.querySelector(".lw-box-text").textContent};
});

// Plays the whole lesson: at every event checks the frame, the box and the
// arrow, presses NEXT (by the API or by a key), then checks every 200 ms tick
// and the 1000 ms until the next frame.
async function playLesson(page, lesson, parts, pressNext) {
  const visited = [];
  let picture = null;
  let arrow = null;
  for (const code of parts) {
    const expected = reference.part(code);
    for (let k = 0; k < expected.length; ++k) {
      const where = code + " event " + k;
      const e = expected[k];
      let s = await state(page);
      assert.equal(s.part, code, where);
      assert.equal(s.event, k, where);
      assert.equal(s.finished, false, where);
      const frame = await page.evaluate(() => window.p.frame);
      assert.deepEqual(frame, {code, record: k}, where);

      // Arrows: read only from frame steps, none on a part's first frame;
      // the picture carries over.
      if (e.picture) picture = e.picture;
      arrow = e.arrow ? {x: e.arrow.x, y: e.arrow.y, picture} : null;
      assert.deepEqual(s.arrow, arrow, where + " arrow");

      assert.equal(s.narration.visible, e.visible, where + " box");
      if (e.visible) {
        assert.equal(s.narration.text, e.text, where);
        const box = await boxPlace(page);
        assert.deepEqual({x: box.x, y: box.y}, e.box, where + " box place");
        assert.equal(box.text, e.text.replace(/\n/g, ""), where + " box text");
        visited.push({part: code, event: k, step: s.step});
        // Time passes while the box is up, the pointer waits.
        await advance(page, 5000);
        assert.deepEqual((await state(page)).pointer, s.pointer, where + " pointer waits");
        await pressNext(page);
        assert.equal((await state(page)).narration.visible, false, where);
      }
      for (const [i, [x, y]] of e.ticks.entries()) {
        await advance(page, 199);
        assert.notDeepEqual(await page.evaluate(() => window.p.tickIndex), i + 1, where + " tick early");
        await advance(page, 1);
        s = await state(page);
        assert.deepEqual(s.pointer, {x, y}, where + " tick " + i);
      }
      await advance(page, 999);
      assert.equal((await state(page)).event, k, where + " frame step early");
      await advance(page, 1);
    }
  }
  return visited;
}

test("lesson 1 through the API", async () => {
  const page = await newPage(browser);
  await openLesson(page, 1);
  const visited = await playLesson(page, 1, ["p1"], (p) => p.evaluate(() => window.p.next()));
  const s = await state(page);
  assert.equal(s.finished, true);
  assert.equal(s.part, "p1");
  const seen = await page.evaluate(() => window.seen);
  assert.deepEqual(seen.filter((e) => e.type === "step").map((e) => e.step), visited.map((v) => v.step));
  assert.deepEqual(seen.filter((e) => e.type !== "step").map((e) => e.type), ["partend", "lessonend"]);
  assert.equal(s.steps, visited.length);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("lesson 20 by keys, chained through its eight parts", async () => {
  const page = await newPage(browser);
  await openLesson(page, 20);
  const parts = ["p20", "p20a", "p20b", "p20c", "p20d", "p20d1", "p20e", "p20f"];
  const keys = ["Enter", " ", "ArrowRight"];
  let presses = 0;
  const visited = await playLesson(page, 20, parts, async (p) => {
    await p.keyboard.press(keys[presses++ % keys.length]);
    await p.evaluate(() => window.p.busy);
  });
  assert.equal((await state(page)).finished, true);
  const seen = await page.evaluate(() => window.seen);
  assert.deepEqual(seen.filter((e) => e.type === "partend").map((e) => e.part), parts);
  assert.equal(seen.filter((e) => e.type === "lessonend").length, 1);
  assert.equal(seen.at(-1).type, "lessonend");
  assert.equal(seen.filter((e) => e.type === "step").length, visited.length);
  assert.deepEqual(page.errors, []);
  await page.close();
});

// Back, replay, going to a step and the next step land where playing there
// would: the box of that step, the pointer where the event before left it.
test("seeking lands in the played state", async () => {
  const page = await newPage(browser);
  await openLesson(page, 20);
  const p20 = reference.part("p20");
  const p20a = reference.part("p20a");
  const stepsOf = (events) => events.map((e, k) => (e.visible ? k : -1)).filter((k) => k >= 0);

  await page.evaluate(() => window.p.goTo("p20a", 1));
  let s = await state(page);
  const first = stepsOf(p20a)[0];
  assert.equal(s.part, "p20a");
  assert.equal(s.event, first);
  assert.equal(s.narration.text, p20a[first].text);
  assert.deepEqual(s.pointer, first > 0 ? {x: p20a[first - 1].ticks.at(-1)[0], y: p20a[first - 1].ticks.at(-1)[1]} : {x: 0, y: 0});

  // Back from a part's first step: the last step of the part before.
  await page.keyboard.press("ArrowLeft");
  await page.evaluate(() => window.p.busy);
  s = await state(page);
  const last = stepsOf(p20).at(-1);
  assert.equal(s.part, "p20");
  assert.equal(s.event, last);
  assert.equal(s.narration.text, p20[last].text);

  // Replay: from the event before the step, pointer glide included.
  await page.keyboard.press("r");
  await page.evaluate(() => window.p.busy);
  s = await state(page);
  assert.equal(s.event, last - 1);
  assert.equal(s.narration.visible, false);
  for (const [x, y] of p20[last - 1].ticks) {
    await advance(page, 200);
    assert.deepEqual((await state(page)).pointer, {x, y});
  }
  await advance(page, 1000);
  s = await state(page);
  assert.equal(s.event, last);
  assert.equal(s.narration.text, p20[last].text);

  // Pause holds the glide on its tick; speed 2x halves the interval.
  await page.keyboard.press("Enter");
  await page.keyboard.press("p");
  const held = await state(page);
  assert.equal(held.paused, true);
  await advance(page, 10000);
  assert.deepEqual(await state(page), held);
  await page.keyboard.press("p");
  await page.keyboard.press("+");
  await page.keyboard.press("+");
  await page.keyboard.press("+");
  assert.equal(await page.evaluate(() => window.p.speed), 2);
  await advance(page, 100);
  const ticked = await state(page);
  assert.equal(ticked.event === last + 1 || ticked.pointer.x !== held.pointer.x || ticked.pointer.y !== held.pointer.y ||
               p20[last].ticks.length === 1, true);
  assert.match(await page.$eval(".lw-status", (n) => n.textContent), /2x/);

  // Help and step list open over the player and Escape closes them.
  await page.keyboard.press("F1");
  assert.equal(await page.$eval(".lw-help", (n) => n.hidden), false);
  assert.equal((await state(page)).paused, true);
  await page.keyboard.press("Escape");
  assert.equal(await page.$eval(".lw-help", (n) => n.hidden), true);
  assert.equal((await state(page)).paused, false);
  await page.keyboard.press("s");
  await page.waitForSelector(".lw-steps:not([hidden]) .lw-step");
  const listed = await page.$$eval(".lw-steps .lw-step", (n) => n.length);
  let total = 0;
  for (const code of ["p20", "p20a", "p20b", "p20c", "p20d", "p20d1", "p20e", "p20f"]) total += stepsOf(reference.part(code)).length;
  assert.equal(listed, total);
  await page.keyboard.press("Escape");
  assert.equal(await page.$eval(".lw-steps", (n) => n.hidden), true);
  assert.deepEqual(page.errors, []);
  await page.close();
});
