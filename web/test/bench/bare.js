// The floor of the first-paint measurement: a page that loads one frame's
// JPEG and paints it, nothing else.
"use strict";
window.start = performance.now();
const img = document.createElement("img");
img.setAttribute("elementtiming", "lw-frame");
img.src = "frames/p1/0000.jpg";
document.body.appendChild(img);
