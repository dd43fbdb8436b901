// SPDX-License-Identifier: GPL-3.0-or-later
// A port's worker module: each job's text from the page goes to its kel_work once the module runs,
// and what that returns is the answer (a forge also reports its progress as it goes).
var kelvaroJobs = [];

function kelvaroWorkJobs() {
  while (kelvaroJobs.length)
    postMessage(Module.ccall('kel_work', 'string', ['string'], [kelvaroJobs.shift()]));
}

self.onmessage = function(event) {
  kelvaroJobs.push(String(event.data));
  if (runtimeInitialized)
    kelvaroWorkJobs();
};

Module['onRuntimeInitialized'] = kelvaroWorkJobs;
