// Measures the web export's two performance goals side by side, alternating
// the two sides of each pair run by run, and prints the medians and ratios:
//   1. export-web of the demo course / copying the same frame bytes to new
//      files (cp -r of the exported frames folder): CPU time (user + system)
//      of the process, wall time alongside; both write into LW_MEASURE_DIR
//      (default: the memory-backed /dev/shm where there is one), so the
//      disk's write-back does not decide the result;
//   2. in Chromium, create() to the first frame painted / a bare page that
//      loads and paints the same JPEG, served over HTTP with the cache off
//      (Element Timing's render time of the frame image).
//   node test/measure.js AUTHOR_TOOL COURSE [RUNS]
"use strict";
const childProcess = require("child_process");
const fs = require("fs");
const http = require("http");
const os = require("os");
const path = require("path");
const {launch} = require("./helpers-light.js");

const [author, course, runsText] = process.argv.slice(2);
const runs = Number(runsText || 9);
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];
const scratch = process.env.LW_MEASURE_DIR || (fs.existsSync("/dev/shm") ? "/dev/shm" : os.tmpdir());
const work = fs.mkdtempSync(path.join(scratch, "lw-measure-"));

// {cpu, wall} in ms of one run of command, as bash's time reports them.
function timed(command, args) {
  const run = childProcess.spawnSync("bash", ["-c", 'TIMEFORMAT="%R %U %S"; time "$@" >/dev/null 2>&1', "timed", command, ...args],
                                     {encoding: "utf8", env: Object.assign({}, process.env, {QT_QPA_PLATFORM: "offscreen"})});
  const [real, user, system] = run.stderr.trim().split(/\s+/).slice(-3).map(Number);
  if (run.status !== 0 || Number.isNaN(real)) throw new Error(command + " failed: " + run.stderr);
  return {cpu: (user + system) * 1000, wall: real * 1000};
}

function exportRatio() {
  const reference = path.join(work, "reference");
  childProcess.execFileSync(author, ["export-web", course, reference], {stdio: "ignore"});
  const exportRuns = [];
  const copyRuns = [];
  for (let i = 0; i < runs; ++i) {
    const out = path.join(work, "web" + i);
    const copy = path.join(work, "copy" + i);
    exportRuns.push(timed(author, ["export-web", course, out]));
    copyRuns.push(timed("cp", ["-r", path.join(reference, "frames"), copy]));
    fs.rmSync(out, {recursive: true});
    fs.rmSync(copy, {recursive: true});
  }
  return {reference, exportRuns, copyRuns};
}

async function paintRatio(folder) {
  for (const name of fs.readdirSync(path.join(__dirname, "bench"))) {
    fs.copyFileSync(path.join(__dirname, "bench", name), path.join(folder, name));
  }
  const server = http.createServer((req, res) => {
    const file = path.join(folder, path.normalize(decodeURIComponent(new URL(req.url, "http://x").pathname)));
    if (!file.startsWith(folder) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      res.writeHead(404);
      res.end();
      return;
    }
    const types = {".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".jpg": "image/jpeg", ".png": "image/png"};
    res.writeHead(200, {"Content-Type": types[path.extname(file)] || "application/octet-stream"});
    fs.createReadStream(file).pipe(res);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const base = "http://127.0.0.1:" + server.address().port + "/";
  const browser = await launch();
  const measure = async (page) => {
    const p = await browser.newPage();
    await p.setViewport({width: 1024, height: 768});
    await p.setCacheEnabled(false);
    await p.goto(base + page);
    const ms = await p.evaluate(() => new Promise((resolve) => {
      new PerformanceObserver((list) => {
        const entry = list.getEntries().find((e) => e.identifier === "lw-frame");
        if (entry) resolve((entry.renderTime || entry.loadTime) - window.start);
      }).observe({type: "element", buffered: true});
    }));
    await p.close();
    return ms;
  };
  const playerMs = [];
  const bareMs = [];
  await measure("bare.html"); // warm the server and the browser
  await measure("player.html");
  for (let i = 0; i < runs * 2; ++i) {
    playerMs.push(await measure("player.html"));
    bareMs.push(await measure("bare.html"));
  }
  await browser.close();
  server.close();
  return {playerMs, bareMs};
}

function report(p) {
  const playerMedian = median(p.playerMs);
  const bareMedian = median(p.bareMs);
  const pairs = p.playerMs.map((v, i) => v / p.bareMs[i]);
  console.log("create() to first frame painted: median " + playerMedian.toFixed(1) + " ms, bare page: median " + bareMedian.toFixed(1) +
              " ms, ratio " + (playerMedian / bareMedian).toFixed(2) + ", median of the pair ratios " + median(pairs).toFixed(2) +
              " (goal at most 1.5)");
  console.log("  player runs: " + p.playerMs.map((v) => v.toFixed(1)).join(" ") + "; bare runs: " + p.bareMs.map((v) => v.toFixed(1)).join(" "));
}

(async () => {
  if (process.env.LW_MEASURE_ONLY === "paint") {
    const p = await paintRatio(path.join(path.dirname(course), "web"));
    report(p);
    fs.rmSync(work, {recursive: true});
    return;
  }
  const e = exportRatio();
  for (const kind of ["cpu", "wall"]) {
    const ex = median(e.exportRuns.map((r) => r[kind]));
    const cp = median(e.copyRuns.map((r) => r[kind]));
    console.log("export-web " + kind + ": median " + ex.toFixed(0) + " ms, cp -r of the same frames: median " + cp.toFixed(0) +
                " ms, ratio " + (ex / cp).toFixed(2) + (kind === "cpu" ? " (goal at most 1.5)" : ""));
    console.log("  export runs: " + e.exportRuns.map((r) => r[kind].toFixed(0)).join(" ") +
                "; copy runs: " + e.copyRuns.map((r) => r[kind].toFixed(0)).join(" "));
  }
  const p = await paintRatio(e.reference);
  report(p);
  fs.rmSync(work, {recursive: true});
})();
