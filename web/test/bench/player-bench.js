// The player's side of the first-paint measurement: create() on lesson 1.
"use strict";
window.start = performance.now();
window.player = LessonwrightPlayer.create(".", document.getElementById("stage"), {lesson: 1});
