// SPDX-License-Identifier: GPL-3.0-or-later
// The solver worker's messages: each job's text from the page is solved once the module runs, and answered.
var kelvaroJobs = [];

function kelvaroSolveJobs() {
  while (kelvaroJobs.length)
    postMessage(Module.ccall('kel_solve', 'string', ['string'], [kelvaroJobs.shift()]));
}

self.onmessage = function(event) {
  kelvaroJobs.push(String(event.data));
  if (runtimeInitialized)
    kelvaroSolveJobs();
};

Module['onRuntimeInitialized'] = kelvaroSolveJobs;
