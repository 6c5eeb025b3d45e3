// A stand-in learning management system for the tests: scorm-again's SCORM
// 1.2 runtime as window.API, counting commits and finishes, with the launch
// page of a lesson in a frame.
"use strict";
window.calls = {commit: 0, finish: 0};
window.sets = {};

window.startLms = function (page, saved) {
  const api = new Scorm12API({autocommit: false, logLevel: 5});
  if (saved) api.loadFromJSON(saved, "cmi");
  const commit = api.LMSCommit.bind(api);
  api.LMSCommit = (...args) => { window.calls.commit++; return commit(...args); };
  const finish = api.LMSFinish.bind(api);
  api.LMSFinish = (...args) => { window.calls.finish++; return finish(...args); };
  // cmi.core.exit is write-only: the LMS side keeps what was set.
  const set = api.LMSSetValue.bind(api);
  api.LMSSetValue = (name, value) => { window.sets[name] = value; return set(name, value); };
  window.API = api;
  document.getElementById("sco").src = page;
};

// What the LMS keeps of a learner between visits.
window.savedData = function () {
  const core = window.API.cmi.core;
  return {core: {lesson_status: core.lesson_status, lesson_location: core.lesson_location}};
};
