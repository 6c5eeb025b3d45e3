// A lesson's launch page inside a learning management system (SCORM 1.2):
// finds the LMS's API in a parent frame or the opener, reports the lesson
// "incomplete" when it starts and "completed" when its last part ends, keeps
// the place (part and step) in cmi.core.lesson_location so a returning
// learner resumes there, and commits and finishes when the page goes away.
// Without an LMS the lesson simply plays.
(function () {
  "use strict";

  function apiIn(win) {
    for (let hops = 0; win && hops < 10; ++hops) {
      try {
        if (win.API) return win.API;
      } catch (e) {
        return null; // a frame of another origin: not ours to ask
      }
      if (!win.parent || win.parent === win) break;
      win = win.parent;
    }
    return null;
  }

  function findApi() {
    return apiIn(window) || (window.opener ? apiIn(window.opener) : null);
  }

  const api = findApi();
  let open = false;
  const lms = {
    get(name) { return open ? String(api.LMSGetValue(name) || "") : ""; },
    set(name, value) { if (open) api.LMSSetValue(name, String(value)); },
    commit() { if (open) api.LMSCommit(""); },
  };
  if (api) open = String(api.LMSInitialize("")) === "true";

  const lesson = Number(document.body.dataset.lesson) || 1;
  const status = lms.get("cmi.core.lesson_status");
  const place = /^(p\d+[a-z0-9]*):(\d+)$/.exec(lms.get("cmi.core.lesson_location"));
  const resume = place && status !== "completed";

  const player = LessonwrightPlayer.create(".", document.getElementById("stage"), {lesson, autoplay: !resume});
  window.lessonwrightPlayer = player;

  if (status !== "completed") {
    lms.set("cmi.core.lesson_status", "incomplete");
    lms.commit();
  }
  if (resume) {
    player.goTo(place[1], Number(place[2])).then(() => player.play());
  }
  player.addEventListener("step", (e) => {
    lms.set("cmi.core.lesson_location", e.part + ":" + e.step);
  });
  player.addEventListener("lessonend", () => {
    lms.set("cmi.core.lesson_status", "completed");
    lms.set("cmi.core.lesson_location", "");
    lms.commit();
  });

  let finished = false;
  function finish() {
    if (finished || !open) return;
    finished = true;
    const done = lms.get("cmi.core.lesson_status") === "completed";
    lms.set("cmi.core.exit", done ? "" : "suspend");
    lms.commit();
    api.LMSFinish("");
    open = false;
  }
  window.addEventListener("pagehide", finish);
  window.addEventListener("beforeunload", finish);
  window.addEventListener("unload", finish);
  player.focus();
})();
