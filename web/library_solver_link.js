// SPDX-License-Identifier: GPL-3.0-or-later
// The page's end of the solver's worker (web/web_solver.h): jobs posted to it, its answers handed to the game.
mergeInto(LibraryManager.library, {
  $kelvaroSolverWorker: {
    worker: null,
    start: function() {
      var worker = new Worker('kelvaro_solver.js');
      worker.onmessage = function(event) {
        if (worker === kelvaroSolverWorker.worker)
          Module.ccall('kel_solver_answer', null, ['string'], [event.data]);
      };
      // A worker that cannot load or run is let go; the next job starts another.
      worker.onerror = function(event) {
        event.preventDefault();
        console.warn('the solver stopped: ' + event.message);
        if (worker !== kelvaroSolverWorker.worker)
          return;
        worker.terminate();
        kelvaroSolverWorker.worker = null;
        Module.ccall('kel_solver_failed', null, [], []);
      };
      kelvaroSolverWorker.worker = worker;
      return worker;
    },
  },
  kelvaro_solver_post__deps: ['$kelvaroSolverWorker'],
  kelvaro_solver_post: function(job) {
    (kelvaroSolverWorker.worker || kelvaroSolverWorker.start()).postMessage(UTF8ToString(job));
  },
  // The worker loads once the page has shown the game, before the first search needs it.
  kelvaro_solver_prepare__deps: ['$kelvaroSolverWorker'],
  kelvaro_solver_prepare: function() {
    setTimeout(function() {
      if (!kelvaroSolverWorker.worker)
        kelvaroSolverWorker.start();
    }, 0);
  },
  kelvaro_solver_restart__deps: ['$kelvaroSolverWorker'],
  kelvaro_solver_restart: function() {
    if (kelvaroSolverWorker.worker)
      kelvaroSolverWorker.worker.terminate();
    kelvaroSolverWorker.start();
  },
});
