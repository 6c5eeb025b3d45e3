// What the desktop player shows for each event of a part, read straight from
// the script library's text files: the pointer's glide tick by tick, the
// narration box and the arrow. Written apart from the exporter, so the
// browser tests check the exported data against the scripts themselves.
"use strict";
const fs = require("fs");
const path = require("path");

const LIBRARY = path.join(__dirname, "..", "..", "resources", "library");

// The part's sheet holds two lists; the event list has the lower number.
function scripts(code) {
  const sheet = code === "p20f" ? "pro20f" : "proj" + code.slice(1);
  const lists = fs.readdirSync(path.join(LIBRARY, sheet))
    .filter((f) => /^ListBox\d+\.txt$/.test(f))
    .sort((a, b) => parseInt(a.slice(7), 10) - parseInt(b.slice(7), 10));
  const read = (f) => {
    const text = fs.readFileSync(path.join(LIBRARY, sheet, f), "latin1");
    const lines = text.split(/\r?\n/);
    if (lines.at(-1) === "") lines.pop();
    return lines;
  };
  return {events: read(lists[0]), steps: read(lists[1])};
}

function between(line, start, end) {
  const a = line.indexOf(start);
  const b = line.indexOf(end);
  return parseInt(line.slice(a + start.length, b), 10);
}

// Pointer positions after every 200 ms tick, per event, from the frame's
// corner: 20 pixels across per tick, the proportional step down (truncated),
// then the jump onto the target.
function glide(eventLines) {
  const out = [];
  let cur = {x: 0, y: 0};
  let target = {x: 0, y: 0};
  let step = {x: 20, y: 0};
  for (let k = 0; 3 * k < eventLines.length; ++k) {
    const line = eventLines[3 * k];
    if (k === 0 || line.indexOf("Mouse:") >= 1) {
      target = {x: between(line, "X=", " Y="), y: between(line, "Y=", " Ev")};
      step = {x: 20, y: target.x === cur.x ? 0 : Math.trunc(Math.abs(target.y - cur.y) * 20 / Math.abs(target.x - cur.x))};
      step.up = cur.y > target.y;
      step.right = target.x > cur.x;
    }
    const ticks = [];
    for (;;) {
      if (Math.abs(target.x - cur.x) < step.x) {
        cur = {x: target.x, y: target.y};
        ticks.push([cur.x, cur.y]);
        break;
      }
      cur = {x: cur.x + (step.right ? step.x : -step.x), y: cur.y + (step.up ? -step.y : step.y)};
      ticks.push([cur.x, cur.y]);
    }
    out.push(ticks);
  }
  return out;
}

const PICTURES = [["ARR_R1R.BMP", "right"], ["ARR_L1R.BMP", "left"], ["ARR_D1R.BMP", "down"], ["ARR_U1R.BMP", "up"],
                  ["ARR_NW_R.BMP", "northwest"], ["ARR_SW_R.BMP", "southwest"], ["ARR_SE_R.BMP", "southeast"],
                  ["ARR_NE_R.BMP", "northeast"]];

// The narration box and arrow of event n; arrows are not read for event 0.
function narration(stepLines, n) {
  let open = false;
  let closed = false;
  let inText = false;
  const text = [];
  let box = null;
  let arrow = null;
  let picture = null;
  let top = 0;
  for (const line of stepLines) {
    if (line === "%Screen =  " + n) open = true;
    if (open && n > 0) {
      for (const [file, name] of PICTURES) if (line.indexOf(file) >= 1) picture = name;
      if (line.includes("%GraphicTop=")) top = parseInt(line.substr(13, 3), 10);
      if (line.includes("%GraphicLeft=")) arrow = {x: parseInt(line.substr(14, 3), 10), y: top};
    }
    if (line !== "!" && inText) text.push(line);
    if (open && line === "%Scroll= 0") inText = true;
    if (open && line === "!") { open = false; inText = false; closed = true; }
    if (open && line.startsWith("%Location = ")) {
      const [x, y] = line.slice(13).split(" ");
      box = {x: parseInt(x, 10), y: parseInt(y, 10)};
    }
  }
  return {visible: closed && !open, text: text.join("\n"), box, arrow, picture};
}

// Everything the player should show, event by event.
function part(code) {
  const s = scripts(code);
  const ticks = glide(s.events);
  return ticks.map((t, k) => Object.assign({ticks: t}, narration(s.steps, k)));
}

module.exports = {scripts, glide, narration, part};
