// The lesson list of an exported course and the player that fills the
// window while a lesson plays.
(function () {
  "use strict";

  let course = null;
  let player = null;

  const $ = (id) => document.getElementById(id);

  function selectedLesson() {
    const select = $("lessons");
    return select.selectedIndex >= 0 ? course.lessons[select.selectedIndex] : null;
  }

  function showTopics() {
    const lesson = selectedLesson();
    const items = (lesson ? lesson.topics : []).map((topic) => {
      const li = document.createElement("li");
      li.textContent = topic;
      return li;
    });
    $("topics").replaceChildren(...items);
    $("topics-title").textContent = lesson ? lesson.title.trim() : "Topics";
  }

  function closePlayer() {
    if (player) player.destroy();
    player = null;
    $("lesson-end").hidden = true;
    $("playback").hidden = true;
    $("launcher").hidden = false;
    $("lessons").focus();
  }

  function play(lesson) {
    if (!lesson) return;
    closePlayer();
    $("launcher").hidden = true;
    $("playback").hidden = false;
    player = LessonwrightPlayer.create(".", $("stage"), {lesson: lesson.number, autoplay: true});
    window.lessonwrightPlayer = player; // for the page's own tests and tools
    player.addEventListener("close", closePlayer);
    player.addEventListener("lessonend", () => {
      $("next-lesson").hidden = lesson.number >= course.lessons.length;
      $("lesson-end").hidden = false;
      ($("next-lesson").hidden ? $("back-to-lessons") : $("next-lesson")).focus();
    });
    player.focus();
  }

  function showError(error) {
    const message = $("launcher-message");
    message.textContent = error.message;
    message.hidden = false;
  }

  function start(data) {
    course = data;
    const select = $("lessons");
    for (const lesson of course.lessons) {
      const option = document.createElement("option");
      option.textContent = lesson.title;
      select.appendChild(option);
    }
    select.addEventListener("change", showTopics);
    select.addEventListener("click", showTopics);
    select.addEventListener("dblclick", () => play(selectedLesson()));
    select.addEventListener("keydown", (e) => {
      if (e.key === "Enter" || e.key === " ") {
        e.preventDefault();
        play(selectedLesson());
      }
    });
    $("play").addEventListener("click", () => play(selectedLesson()));
    $("close").addEventListener("click", closePlayer);
    $("back-to-lessons").addEventListener("click", closePlayer);
    $("next-lesson").addEventListener("click", () => {
      const number = Number(player && player.getState().lesson);
      play(course.lessons[number]);
      select.selectedIndex = number;
    });
    $("lesson-end").addEventListener("keydown", (e) => {
      if (e.key === "Escape") { e.preventDefault(); closePlayer(); }
    });
    select.selectedIndex = 0;
    showTopics();
    select.focus();
  }

  LessonwrightPlayer.load("course.js").then(start, showError);
})();
