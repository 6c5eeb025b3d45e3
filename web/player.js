// Lessonwright web player: plays the lessons of an exported course folder.
//
//   const player = LessonwrightPlayer.create("course", element, {lesson: 3});
//   player.addEventListener("lessonend", () => ...);
//
// The folder's data files are scripts that call LessonwrightPlayer.receive(),
// so the player works from a web server and from a folder opened from disk
// (where pages may not fetch files). Each part arrives compiled: for every
// event its frame, the pointer after each 200 ms tick, the narration box and
// the arrow, all in recorded 640 x 480 coordinates. The player only walks
// that data in time; it never reads the course's scripts itself.
(function (global) {
  "use strict";

  const FRAME_WIDTH = 640;
  const FRAME_HEIGHT = 480;
  const TICK_MS = 200;
  const FRAME_STEP_MS = 1000;
  const SPEEDS = [0.5, 1, 1.5, 2];
  const ARROWS = ["right", "left", "down", "up", "northwest", "southwest", "southeast", "northeast"];
  const EVENT_TYPES = ["step", "partend", "lessonend", "error", "close"];

  const KEYS = [
    ["Enter, Space, Right", "NEXT (go on when a narration box is up)"],
    ["Left, Backspace", "back to the previous narration step"],
    ["R", "replay the current step"],
    ["P, Pause", "pause or resume"],
    ["Page Down, Page Up", "next / previous part of the lesson"],
    ["Home", "the current part from its start"],
    ["+ / -", "faster / slower (0.5x to 2x)"],
    ["S", "list of steps"],
    ["F1, ?", "these keys"],
    ["Escape", "close the list or this help"],
  ];

  // A call the page made wrongly (an unknown part or step): its promise is
  // rejected, and playback goes on.
  class UsageError extends Error {}

  // ---- Data files ---------------------------------------------------------

  const waiting = new Map(); // script element -> {resolve}
  const loaded = new Map(); // absolute url -> promise of the data

  function absolute(url) {
    return new URL(url, document.baseURI).href;
  }

  // Called by every data file. A file the page loaded by itself (course.js
  // in index.html) is kept for the first player that asks for it.
  function receive(script, data) {
    const entry = script && waiting.get(script);
    if (entry) {
      entry.resolve(data);
    } else if (script && script.src) {
      loaded.set(absolute(script.src), Promise.resolve(data));
    }
  }

  function loadData(relativeUrl, what) {
    const url = absolute(relativeUrl);
    if (loaded.has(url)) return loaded.get(url);
    const promise = new Promise(function (resolve, reject) {
      const script = document.createElement("script");
      let received = false;
      waiting.set(script, {
        resolve: function (data) {
          received = true;
          resolve(data);
        },
      });
      const finish = function (ok) {
        waiting.delete(script);
        script.remove();
        if (!received) {
          reject(new Error(ok ? "The " + what + " (" + relativeUrl + ") is damaged."
                              : "The " + what + " (" + relativeUrl + ") is missing or could not be loaded."));
        }
      };
      script.onload = function () { finish(true); };
      script.onerror = function () { finish(false); };
      script.src = url;
      document.head.appendChild(script);
    });
    // A failed load may be retried later (the file may come back).
    promise.catch(function () { loaded.delete(url); });
    loaded.set(url, promise);
    return promise;
  }

  // ---- Clocks -------------------------------------------------------------

  // The player has one timer at a time (the pointer tick or the frame step
  // alternate), so a clock holds a single pending call.
  class RealClock {
    constructor() { this.handle = null; }
    now() { return performance.now(); }
    arm(delay, fn) { this.cancel(); this.handle = setTimeout(fn, delay); }
    cancel() { if (this.handle !== null) clearTimeout(this.handle); this.handle = null; }
  }

  // Time that passes only when advance() is called: tests play a whole lesson
  // in an instant, tick for tick as it would play.
  class ManualClock {
    constructor() { this.time = 0; this.pending = null; }
    now() { return this.time; }
    arm(delay, fn) { this.pending = {due: this.time + delay, fn: fn}; }
    cancel() { this.pending = null; }
    // Runs the calls due up to target; returns false when none was due.
    runDue(target) {
      if (!this.pending || this.pending.due > target) return false;
      const call = this.pending;
      this.pending = null;
      this.time = call.due;
      call.fn();
      return true;
    }
  }

  // ---- Small helpers ------------------------------------------------------

  function el(tag, className, attributes) {
    const node = document.createElement(tag);
    if (className) node.className = className;
    for (const name in attributes || {}) node.setAttribute(name, attributes[name]);
    return node;
  }

  function joinUrl(base, path) {
    if (!base || base === ".") return path;
    return base.replace(/\/+$/, "") + "/" + path;
  }

  function frameName(record) {
    return String(record).padStart(4, "0") + ".jpg";
  }

  function firstWords(lines, count) {
    const words = lines.join(" ").split(/\s+/).filter(Boolean);
    const head = words.slice(0, count).join(" ");
    return words.length > count ? head + " ..." : head;
  }

  // ---- The player ---------------------------------------------------------

  class Player {
    constructor(src, element, options) {
      options = options || {};
      this.src = src || ".";
      this.element = element;
      this.lessonNumber = Number(options.lesson || 1);
      this.scaleMode = options.scale === "actual" ? "actual" : "fit";
      this.speed = SPEEDS.includes(Number(options.speed)) ? Number(options.speed) : 1;
      // Tests set window.lessonwrightClock = "manual" before a page loads to
      // drive players they do not create themselves (the LMS launch pages).
      const clock = options.clock || global.lessonwrightClock;
      this.clock = clock === "manual" ? new ManualClock() : new RealClock();
      this.listeners = {};
      EVENT_TYPES.forEach((type) => { this.listeners[type] = []; });

      this.course = null;
      this.lesson = null;
      this.parts = []; // part data by position in the lesson, as loaded
      this.partIndex = 0;
      this.eventIndex = 0;
      this.phase = "loading"; // narrating, moving, dwelling, stopped, ended
      this.tickIndex = 0;
      this.pointer = {x: 0, y: 0};
      this.box = {visible: false, text: [], x: 0, y: 0};
      this.arrow = {visible: false, x: 0, y: 0, picture: null};
      this.frame = null; // {code, record}
      this.started = false;
      this.paused = false;
      this.finished = false;
      this.timer = null; // {fn, remaining} while paused or waiting to start
      this.busy = Promise.resolve();

      // The first frame is asked for before anything else, and the data only
      // once it has arrived, so that nothing competes with it: a lesson's
      // first part is its base part, "p" and the lesson number.
      const frame = el("img", "lw-frame", {alt: "", elementtiming: "lw-frame", draggable: "false"});
      const firstPart = "p" + this.lessonNumber;
      frame.src = joinUrl(this.src, "frames/" + firstPart + "/" + frameName(0));
      this.frame = {code: firstPart, record: 0};
      const arrived = new Promise((resolve) => {
        frame.addEventListener("load", resolve, {once: true});
        frame.addEventListener("error", resolve, {once: true});
      });
      this.build(frame);
      this.layout();
      // The page may resize the element as well as the window.
      this.resizeObserver = new ResizeObserver(() => this.layout());
      this.resizeObserver.observe(this.view.area);
      this.busy = this.open(arrived, options.autoplay !== false);
    }

    // -- Building the view --

    build(frame) {
      const root = el("div", "lw-player", {tabindex: "0", role: "region", "aria-label": "Lesson player"});
      const area = el("div", "lw-area");
      const stage = el("div", "lw-stage");
      frame.addEventListener("load", () => this.preloadNextFrame());
      const arrow = el("img", "lw-arrow", {alt: "", draggable: "false"});
      const pointer = el("img", "lw-pointer", {alt: "", draggable: "false"});
      const box = el("div", "lw-box", {role: "group", "aria-label": "Message Box"});
      const title = el("div", "lw-box-title");
      title.textContent = "Message Box";
      const bar = el("div", "lw-box-bar");
      const next = el("button", "lw-next", {type: "button"});
      next.textContent = "NEXT";
      next.addEventListener("click", (e) => { e.stopPropagation(); this.pressNext(); });
      bar.appendChild(next);
      const text = el("div", "lw-box-text", {"aria-live": "polite", "aria-atomic": "true"});
      box.append(title, bar, text);
      stage.append(frame, arrow, box, pointer);
      area.appendChild(stage);

      const message = el("div", "lw-message", {role: "alert"});
      const status = el("div", "lw-status", {role: "status"});
      const help = this.buildHelp();
      const steps = el("div", "lw-overlay lw-steps", {role: "dialog", "aria-label": "Steps"});
      root.append(area, message, status, help, steps);
      root.addEventListener("keydown", (e) => this.onKey(e));

      this.view = {root, area, stage, frame, arrow, pointer, box, next, text, message, status, help, steps};
      for (const name of ["arrow", "box", "message", "help", "steps"]) this.view[name].hidden = true;
      this.element.appendChild(root);
    }

    buildHelp() {
      const help = el("div", "lw-overlay lw-help", {role: "dialog", "aria-label": "Keys"});
      const heading = el("h2");
      heading.textContent = "Keys";
      const table = el("table");
      for (const [keys, what] of KEYS) {
        const row = el("tr");
        const k = el("th", null, {scope: "row"});
        k.textContent = keys;
        const w = el("td");
        w.textContent = what;
        row.append(k, w);
        table.appendChild(row);
      }
      const close = el("button", "lw-close", {type: "button"});
      close.textContent = "Close";
      close.addEventListener("click", () => this.closeOverlay());
      help.append(heading, table, close);
      return help;
    }

    // The largest whole-number scale at which the frame fits, so every
    // recorded pixel becomes a square of device pixels; smooth below 1.
    layout() {
      const v = this.view;
      const ratio = global.devicePixelRatio || 1;
      const width = v.area.clientWidth;
      const height = v.area.clientHeight;
      let scale = 1;
      if (this.scaleMode === "fit" && width > 0 && height > 0) {
        const fit = Math.min(width / FRAME_WIDTH, height / FRAME_HEIGHT) * ratio;
        scale = (fit >= 1 ? Math.floor(fit) : fit) / ratio;
      }
      const snap = (value) => Math.round(value * ratio) / ratio;
      const left = snap(Math.max(0, (width - FRAME_WIDTH * scale) / 2));
      const top = snap(Math.max(0, (height - FRAME_HEIGHT * scale) / 2));
      v.stage.style.transform = "translate(" + left + "px, " + top + "px) scale(" + scale + ")";
      v.stage.classList.toggle("lw-sharp", Number.isInteger(scale * ratio));
      this.scale = scale;
    }

    // -- Loading --

    async open(frameArrived, autoplay) {
      try {
        await frameArrived;
        this.course = await loadData(joinUrl(this.src, "course.js"), "course list");
        this.lesson = this.course.lessons.find((l) => l.number === this.lessonNumber);
        if (!this.lesson) throw new Error("The course has no lesson " + this.lessonNumber + ".");
        await this.loadPart(0);
        await this.firstFramePainted();
        this.startPart(0);
        if (!autoplay) this.setPaused(true);
        this.started = true;
      } catch (error) {
        this.fail(error);
      }
    }

    // The first frame goes on screen alone, then its narration box follows,
    // as the desktop player draws the frame before Run shows the box.
    async firstFramePainted() {
      try {
        await this.view.frame.decode();
      } catch (error) {
        return; // no frame to wait for
      }
      // A page in a background tab gets no animation frames: it goes on anyway.
      await new Promise((resolve) => {
        requestAnimationFrame(() => setTimeout(resolve, 0));
        setTimeout(resolve, 100);
      });
    }

    loadPart(index) {
      const code = this.lesson.parts[index];
      return loadData(joinUrl(this.src, "parts/" + code + ".js"), "data of part " + code)
        .then((data) => { this.parts[index] = data; return data; });
    }

    async loadAllParts() {
      for (let i = 0; i < this.lesson.parts.length; ++i) {
        if (!this.parts[i]) await this.loadPart(i);
      }
    }

    fail(error) {
      this.clock.cancel();
      this.timer = null;
      this.phase = "stopped";
      this.view.message.textContent = error.message;
      this.view.message.hidden = false;
      this.updateStatus();
      this.emit("error", {message: error.message});
    }

    // -- Time --

    interval(ms) { return ms / this.speed; }

    schedule(ms, fn) {
      this.clock.cancel();
      this.timer = {fn, remaining: this.interval(ms), armedAt: this.clock.now()};
      if (!this.paused) this.arm();
    }

    arm() {
      const timer = this.timer;
      timer.armedAt = this.clock.now();
      this.clock.arm(timer.remaining, () => {
        if (this.timer === timer) this.timer = null;
        timer.fn();
      });
    }

    cancelTimer() {
      this.clock.cancel();
      this.timer = null;
    }

    setPaused(paused) {
      if (paused === this.paused) return;
      this.paused = paused;
      if (paused && this.timer) {
        this.clock.cancel();
        this.timer.remaining = Math.max(0, this.timer.remaining - (this.clock.now() - this.timer.armedAt));
      } else if (!paused && this.timer) {
        this.arm();
      }
      this.updateStatus();
    }

    setSpeed(speed) {
      if (!SPEEDS.includes(speed) || speed === this.speed) return;
      // The call in progress keeps its share of the interval done.
      if (this.timer && !this.paused) {
        this.clock.cancel();
        this.timer.remaining = Math.max(0, this.timer.remaining - (this.clock.now() - this.timer.armedAt));
      }
      if (this.timer) this.timer.remaining *= this.speed / speed;
      this.speed = speed;
      if (this.timer && !this.paused) this.arm();
      this.updateStatus();
    }

    // Manual clock only: lets ms of player time pass, running every tick and
    // frame step due, and waiting for the data of chained parts on the way.
    async advance(ms) {
      if (!(this.clock instanceof ManualClock)) throw new Error("advance() needs the manual clock");
      await this.busy;
      const target = this.clock.now() + ms;
      for (;;) {
        if (this.paused || !this.clock.runDue(target)) break;
        await this.busy;
      }
      if (this.clock.time < target) this.clock.time = target;
      await this.busy;
    }

    // -- Playback --

    get part() { return this.parts[this.partIndex]; }
    get event() { return this.part.events[this.eventIndex]; }

    startPart(index) {
      // The pointer's picture waits until the first frame has been asked for.
      if (!this.view.pointer.getAttribute("src")) this.view.pointer.src = joinUrl(this.src, "pointer.png");
      this.partIndex = index;
      this.pointer = {x: 0, y: 0};
      this.enterEvent(0);
      // The next part's data is fetched while this one plays.
      if (index + 1 < this.lesson.parts.length) this.loadPart(index + 1).catch(() => {});
    }

    // The frame step: the event's frame, then its narration box (which holds
    // the pointer until NEXT) or the glide toward its target.
    enterEvent(index) {
      this.eventIndex = index;
      const e = this.event;
      this.showFrame(this.part.code, e.frame);
      this.showArrow(this.arrowAt(this.partIndex, index));
      if (e.box) {
        this.phase = "narrating";
        this.cancelTimer();
        this.showBox(e.box);
        this.emit("step", this.stepDetail());
      } else {
        this.hideBox();
        this.startGlide();
      }
      this.render();
    }

    startGlide() {
      this.phase = "moving";
      this.tickIndex = 0;
      this.schedule(TICK_MS, () => this.tick());
    }

    tick() {
      const ticks = this.event.ticks;
      const [x, y] = ticks[this.tickIndex++];
      this.pointer = {x, y};
      if (this.tickIndex >= ticks.length) {
        this.phase = "dwelling";
        this.schedule(FRAME_STEP_MS, () => this.frameStep());
      } else {
        this.schedule(TICK_MS, () => this.tick());
      }
      this.render();
    }

    frameStep() {
      if (this.eventIndex + 1 < this.part.events.length) {
        this.enterEvent(this.eventIndex + 1);
        return;
      }
      this.emit("partend", {part: this.part.code});
      const next = this.partIndex + 1;
      if (next >= this.lesson.parts.length) {
        this.phase = "ended";
        this.finished = true;
        this.render();
        this.emit("lessonend", {lesson: this.lessonNumber});
        return;
      }
      this.phase = "loading";
      this.busy = this.loadPart(next).then(() => this.startPart(next), (error) => this.fail(error));
    }

    pressNext() {
      if (this.phase !== "narrating") return;
      this.hideBox();
      // Past the store's last record NEXT no longer starts the pointer.
      if (this.event.storeAtEnd) {
        this.phase = "stopped";
        this.render();
        return;
      }
      this.startGlide();
      this.render();
    }

    // -- Going to a place --

    // The arrow on screen at an event; the picture is the last one chosen so
    // far, in this part or a part before.
    arrowAt(partIndex, eventIndex) {
      const place = this.parts[partIndex].events[eventIndex].arrow;
      return place ? {x: place[0], y: place[1], picture: this.pictureAt(partIndex, eventIndex)} : null;
    }

    pictureAt(partIndex, eventIndex) {
      for (let p = partIndex; p >= 0 && this.parts[p]; --p) {
        const events = this.parts[p].events;
        for (let k = p === partIndex ? eventIndex : events.length - 1; k >= 0; --k) {
          if (events[k].picture) return events[k].picture;
        }
      }
      return null;
    }

    // Lands where playing would be when event index of part partIndex is
    // entered; with glide the box is already dismissed and the pointer sets
    // off from where the event before left it.
    async seek(partIndex, eventIndex, glide) {
      if (partIndex < 0 || partIndex >= this.lesson.parts.length) return;
      for (let p = 0; p <= partIndex; ++p) {
        if (!this.parts[p]) await this.loadPart(p);
      }
      const events = this.parts[partIndex].events;
      eventIndex = Math.max(0, Math.min(eventIndex, events.length - 1));
      this.cancelTimer();
      this.view.message.hidden = true;
      this.finished = false;
      this.partIndex = partIndex;
      const before = events[eventIndex - 1];
      this.pointer = before ? {x: before.ticks.at(-1)[0], y: before.ticks.at(-1)[1]} : {x: 0, y: 0};
      if (!glide) {
        this.enterEvent(eventIndex);
        return;
      }
      this.eventIndex = eventIndex;
      this.showFrame(this.part.code, this.event.frame);
      this.showArrow(this.arrowAt(partIndex, eventIndex));
      this.hideBox();
      this.startGlide();
      this.render();
    }

    // The narration steps of the lesson as (part, step) places, in order.
    stepPlaces() {
      const places = [];
      this.parts.forEach((part, p) => {
        if (part) part.steps.forEach((s, i) => places.push({part: p, step: i + 1, event: s.event}));
      });
      return places;
    }

    // Number of the last step reached in the current part (0 before the first).
    currentStep() {
      const steps = this.part ? this.part.steps : [];
      let n = 0;
      while (n < steps.length && steps[n].event <= this.eventIndex) ++n;
      return n;
    }

    partIndexOf(part) {
      if (typeof part === "string") return this.lesson.parts.indexOf(part);
      return Number(part) - 1;
    }

    // Moves happen one after another, each once the one before (and any part
    // it loads) is done. A failed load stops playback with its message.
    run(action) {
      let usage = null;
      this.busy = this.busy.then(action).catch((error) => {
        if (error instanceof UsageError) usage = error;
        else this.fail(error);
      });
      return this.busy.then(() => { if (usage) throw usage; });
    }

    // -- Showing --

    showFrame(code, record) {
      const img = this.view.frame;
      if (record === null || record < 0) {
        img.hidden = true;
        this.frame = null;
        return;
      }
      this.frame = {code, record};
      const url = joinUrl(this.src, "frames/" + code + "/" + frameName(record));
      if (img.getAttribute("src") !== url) img.src = url;
      img.hidden = false;
    }

    // Once a frame is on screen, the next event's frame is fetched, so the
    // frame step finds it in the cache and never competes with the frame
    // being shown.
    preloadNextFrame() {
      if (!this.part) return;
      const e = this.part.events[this.eventIndex + 1];
      if (!e || e.frame < 0) return;
      const image = new Image();
      image.src = joinUrl(this.src, "frames/" + this.part.code + "/" + frameName(e.frame));
    }

    showBox(box) {
      const v = this.view;
      this.box = {visible: true, text: box.text.slice(), x: box.x, y: box.y};
      v.box.style.left = box.x + "px";
      v.box.style.top = box.y + "px";
      v.box.hidden = false;
      // Narration is text: each script line one line of the box.
      const lines = box.text.map((line) => {
        const div = el("div", "lw-line");
        div.textContent = line;
        return div;
      });
      v.text.replaceChildren(...lines);
      v.text.scrollTop = 0;
      if (this.view.root.contains(document.activeElement)) v.next.focus({preventScroll: true});
    }

    hideBox() {
      this.box = {visible: false, text: [], x: this.box.x, y: this.box.y};
      if (this.view.box.contains(document.activeElement)) this.view.root.focus({preventScroll: true});
      this.view.box.hidden = true;
    }

    showArrow(arrow) {
      const img = this.view.arrow;
      this.arrow = arrow ? {visible: true, x: arrow.x, y: arrow.y, picture: arrow.picture} : {visible: false, x: 0, y: 0, picture: null};
      if (!arrow || !arrow.picture) {
        img.hidden = true;
        return;
      }
      img.src = joinUrl(this.src, "arrows/" + arrow.picture + ".png");
      img.style.left = arrow.x + "px";
      img.style.top = arrow.y + "px";
      img.hidden = false;
    }

    render() {
      const p = this.view.pointer;
      p.style.left = this.pointer.x + "px";
      p.style.top = this.pointer.y + "px";
      this.updateStatus();
    }

    updateStatus() {
      if (!this.lesson) return;
      const parts = [this.lesson.title.trim()];
      if (this.part) {
        parts.push("Part " + (this.partIndex + 1) + " of " + this.lesson.parts.length);
        parts.push("Step " + this.currentStep() + " of " + this.part.steps.length);
      }
      if (this.speed !== 1) parts.push(this.speed + "x");
      if (this.paused) parts.push("Paused");
      if (this.finished) parts.push("Lesson complete");
      // Set only when it changes: it is a live region, read out on change.
      const text = parts.join(" \u00b7 ");
      if (this.view.status.textContent !== text) this.view.status.textContent = text;
    }

    stepDetail() {
      return {lesson: this.lessonNumber, part: this.part.code, step: this.currentStep(), event: this.eventIndex,
              text: this.box.text.join("\n")};
    }

    // -- Overlays --

    openOverlay(overlay) {
      this.closeOverlay();
      this.overlay = {node: overlay, wasPaused: this.paused};
      this.setPaused(true);
      overlay.hidden = false;
      const first = overlay.querySelector("button");
      if (first) first.focus();
    }

    closeOverlay() {
      if (!this.overlay) return false;
      const {node, wasPaused} = this.overlay;
      this.overlay = null;
      node.hidden = true;
      this.setPaused(wasPaused);
      (this.box.visible ? this.view.next : this.view.root).focus({preventScroll: true});
      return true;
    }

    async showSteps() {
      await this.loadAllParts();
      const list = el("ol", "lw-step-list");
      this.lesson.parts.forEach((code, p) => {
        const part = this.parts[p];
        const item = el("li");
        const heading = el("div", "lw-step-part");
        heading.textContent = "Part " + (p + 1) + " (" + code + ")";
        const steps = el("ol");
        part.steps.forEach((s, i) => {
          const li = el("li");
          const button = el("button", "lw-step", {type: "button"});
          const text = part.events[s.event].box ? part.events[s.event].box.text : [];
          button.textContent = (s.topic ? s.topic + ": " : "") + firstWords(text, 8);
          if (p === this.partIndex && i + 1 === this.currentStep()) button.setAttribute("aria-current", "step");
          button.addEventListener("click", () => {
            this.overlay = null;
            this.view.steps.hidden = true;
            this.goTo(code, i + 1).then(() => this.setPaused(false));
          });
          li.appendChild(button);
          steps.appendChild(li);
        });
        item.append(heading, steps);
        list.appendChild(item);
      });
      const heading = el("h2");
      heading.textContent = "Steps";
      const close = el("button", "lw-close", {type: "button"});
      close.textContent = "Close";
      close.addEventListener("click", () => this.closeOverlay());
      this.view.steps.replaceChildren(heading, list, close);
      this.openOverlay(this.view.steps);
      const current = this.view.steps.querySelector("[aria-current]");
      if (current) current.focus();
    }

    onKey(e) {
      const key = e.key;
      const handled = () => { e.preventDefault(); e.stopPropagation(); };
      if (key === "Escape") {
        handled();
        if (!this.closeOverlay()) this.emit("close", {});
        return;
      }
      if (!this.part) return; // nothing to control before the first part is in
      if (this.overlay) {
        if (key === "F1" || key === "?") { handled(); this.closeOverlay(); }
        return; // the overlay's own buttons take the other keys
      }
      switch (key) {
      case "Enter": case " ": case "ArrowRight":
        if (this.phase === "narrating") { handled(); this.pressNext(); }
        else if (key === "ArrowRight") { handled(); this.next(); }
        return;
      case "ArrowLeft": case "Backspace":
        handled(); this.back(); return;
      case "r": case "R":
        handled(); this.replay(); return;
      case "p": case "P": case "Pause":
        handled(); if (this.paused) this.play(); else this.pause(); return;
      case "+": case "=":
        handled(); this.setSpeed(SPEEDS[Math.min(SPEEDS.indexOf(this.speed) + 1, SPEEDS.length - 1)]); return;
      case "-": case "_":
        handled(); this.setSpeed(SPEEDS[Math.max(SPEEDS.indexOf(this.speed) - 1, 0)]); return;
      case "PageDown": case "PageUp": case "Home": {
        handled();
        const to = this.partIndex + (key === "PageDown" ? 1 : key === "PageUp" ? -1 : 0);
        if (to >= 0 && to < this.lesson.parts.length) this.run(() => this.seek(to, 0, false));
        return;
      }
      case "s": case "S":
        handled(); this.run(() => this.showSteps()); return;
      case "F1": case "?":
        handled(); this.openOverlay(this.view.help); return;
      default:
        return;
      }
    }

    // -- Public API --

    play() {
      return this.run(() => {
        if (this.finished) return this.seek(0, 0, false).then(() => this.setPaused(false));
        this.setPaused(false);
        return undefined;
      });
    }

    pause() {
      return this.run(() => this.setPaused(true));
    }

    next() {
      return this.run(() => {
        if (this.phase === "narrating") return this.pressNext();
        // Otherwise on to the next narration step of the lesson.
        const places = this.stepPlaces();
        const after = places.find((s) => s.part > this.partIndex || (s.part === this.partIndex && s.event > this.eventIndex));
        if (after) return this.seek(after.part, after.event, false);
        if (this.partIndex + 1 < this.lesson.parts.length) return this.seek(this.partIndex + 1, 0, false);
        return undefined;
      });
    }

    back() {
      return this.run(async () => {
        for (let p = 0; p <= this.partIndex; ++p) if (!this.parts[p]) await this.loadPart(p);
        const showing = this.phase === "narrating";
        const earlier = this.stepPlaces().filter((s) => s.part < this.partIndex ||
          (s.part === this.partIndex && (showing ? s.event < this.eventIndex : s.event <= this.eventIndex)));
        const target = earlier.at(-1);
        if (target) return this.seek(target.part, target.event, false);
        return this.seek(0, 0, false);
      });
    }

    replay() {
      return this.run(() => {
        const step = this.currentStep();
        const event = step > 0 ? this.part.steps[step - 1].event : 0;
        if (event === 0) return this.seek(this.partIndex, 0, false);
        return this.seek(this.partIndex, event - 1, true);
      });
    }

    goTo(part, step) {
      return this.run(async () => {
        const index = this.partIndexOf(part);
        if (index < 0 || index >= this.lesson.parts.length) throw new UsageError("The lesson has no part " + part + ".");
        if (!this.parts[index]) await this.loadPart(index);
        const steps = this.parts[index].steps;
        const n = Number(step) || 0;
        if (!Number.isInteger(n) || n < 0 || n > steps.length) {
          throw new UsageError("Part " + this.lesson.parts[index] + " has no step " + step + ".");
        }
        return this.seek(index, n === 0 ? 0 : steps[n - 1].event, false);
      });
    }

    getState() {
      const part = this.part;
      return {
        lesson: this.lessonNumber,
        part: part ? part.code : (this.lesson ? this.lesson.parts[this.partIndex] : null),
        event: this.eventIndex,
        step: part ? this.currentStep() : 0,
        steps: part ? part.steps.length : 0,
        paused: this.paused,
        finished: this.finished,
        pointer: {x: this.pointer.x, y: this.pointer.y},
        narration: {visible: this.box.visible, text: this.box.visible ? this.box.text.join("\n") : ""},
        arrow: this.arrow.visible ? {x: this.arrow.x, y: this.arrow.y, picture: this.arrow.picture} : null,
      };
    }

    addEventListener(type, listener) {
      if (!this.listeners[type]) throw new Error("Unknown event type " + type);
      this.listeners[type].push(listener);
    }

    removeEventListener(type, listener) {
      const list = this.listeners[type] || [];
      const i = list.indexOf(listener);
      if (i >= 0) list.splice(i, 1);
    }

    emit(type, detail) {
      for (const listener of this.listeners[type].slice()) {
        try {
          listener(Object.assign({type, target: this}, detail));
        } catch (error) {
          setTimeout(() => { throw error; });
        }
      }
    }

    focus() { this.view.root.focus({preventScroll: true}); }

    destroy() {
      this.cancelTimer();
      this.resizeObserver.disconnect();
      this.view.root.remove();
      EVENT_TYPES.forEach((type) => { this.listeners[type] = []; });
    }
  }

  global.LessonwrightPlayer = {
    create: function (src, element, options) { return new Player(src, element, options); },
    receive: receive,
    // The data of one file of an exported folder (course.js, parts/p1.js).
    load: function (url) { return loadData(url, "file"); },
    arrows: ARROWS.slice(),
    keys: KEYS.map((k) => k.slice()),
  };
})(window);
