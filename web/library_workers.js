// SPDX-License-Identifier: GPL-3.0-or-later
// The page's end of the ports' workers (web/js_worker_link.h): jobs posted to them, their answers handed to the game.
mergeInto(LibraryManager.library, {
  // By name: the worker running kelvaro_NAME.js, while it is there.
  $kelvaroWorkers: {
    running: {},
    start: function(name) {
      var worker = new Worker('kelvaro_' + name + '.js');
      worker.onmessage = function(event) {
        if (worker === kelvaroWorkers.running[name])
          Module.ccall('kel_worker_answer', null, ['string', 'string'], [name, event.data]);
      };
      // A worker that cannot load or run is let go; the next job starts another.
      worker.onerror = function(event) {
        event.preventDefault();
        console.warn('the ' + name + ' stopped: ' + event.message);
        if (worker !== kelvaroWorkers.running[name])
          return;
        worker.terminate();
        delete kelvaroWorkers.running[name];
        Module.ccall('kel_worker_failed', null, ['string'], [name]);
      };
      kelvaroWorkers.running[name] = worker;
      return worker;
    },
  },
  kelvaro_worker_post__deps: ['$kelvaroWorkers'],
  kelvaro_worker_post: function(name, job) {
    name = UTF8ToString(name);
    (kelvaroWorkers.running[name] || kelvaroWorkers.start(name)).postMessage(UTF8ToString(job));
  },
  kelvaro_worker_prepare__deps: ['$kelvaroWorkers'],
  kelvaro_worker_prepare: function(name) {
    name = UTF8ToString(name);
    setTimeout(function() {
      if (!kelvaroWorkers.running[name])
        kelvaroWorkers.start(name);
    }, 0);
  },
  kelvaro_worker_restart__deps: ['$kelvaroWorkers'],
  kelvaro_worker_restart: function(name) {
    name = UTF8ToString(name);
    if (kelvaroWorkers.running[name])
      kelvaroWorkers.running[name].terminate();
    kelvaroWorkers.start(name);
  },
});
