// SPDX-License-Identifier: GPL-3.0-or-later
// The functions the C++ side calls (web/page.h): they read the module's memory and hand plain values to the page.
mergeInto(LibraryManager.library, {
  // 0xAARRGGBB pixels, `stride` to a row, as canvas RGBA; every pixel shown opaque.
  $kelvaroImage: function(pixels, stride, x, y, width, height) {
    var image = new ImageData(width, height);
    var out = image.data;
    var k = 0;
    for (var row = 0; row < height; ++row) {
      var p = (pixels >> 2) + (y + row) * stride + x;
      for (var col = 0; col < width; ++col, ++p) {
        var v = HEAPU32[p];
        out[k++] = (v >>> 16) & 255;
        out[k++] = (v >>> 8) & 255;
        out[k++] = v & 255;
        out[k++] = (v >>> 24) & 255;
      }
    }
    return image;
  },
  kelvaro_open_box: function(id, kind, title, text) {
    Module.page.openBox(id, kind, UTF8ToString(title), UTF8ToString(text));
  },
  kelvaro_records: function(id, json) {
    Module.page.showRecords(id, JSON.parse(UTF8ToString(json)));
  },
  kelvaro_open_chooser: function(id, title, play, sets, current) {
    Module.page.openChooser(id, UTF8ToString(title), UTF8ToString(play), JSON.parse(UTF8ToString(sets)), current);
  },
  kelvaro_chooser_set: function(set, name, info, focus) {
    Module.page.chooserSet(set, UTF8ToString(name), UTF8ToString(info), focus);
  },
  // No pixels: the tile keeps its picture, only its words change.
  kelvaro_chooser_tile__deps: ['$kelvaroImage'],
  kelvaro_chooser_tile: function(index, number, pixels, width, height, lines, solved, playable, tip) {
    Module.page.chooserTile(index, {number: number, lines: JSON.parse(UTF8ToString(lines)), solved: !!solved,
                                    playable: !!playable, tip: UTF8ToString(tip),
                                    image: pixels ? kelvaroImage(pixels, width, 0, 0, width, height) : null});
  },
  kelvaro_close_box: function(id) {
    Module.page.closeBox(id);
  },
  kelvaro_blit__deps: ['$kelvaroImage'],
  kelvaro_blit: function(pixels, stride, x, y, width, height) {
    if (width > 0 && height > 0)
      Module.page.blit(kelvaroImage(pixels, stride, x, y, width, height), x, y);
  },
  kelvaro_label: function(index, caption, x, y, width, height, visible, colour, points) {
    Module.page.label(index, UTF8ToString(caption), {x: x, y: y, width: width, height: height}, !!visible,
                      '#' + ((colour >>> 0) & 0xffffff).toString(16).padStart(6, '0'), points);
  },
  kelvaro_button: function(index, caption, x, y, width, height, visible, focused) {
    Module.page.button(index, UTF8ToString(caption), {x: x, y: y, width: width, height: height}, !!visible, !!focused);
  },
  kelvaro_picture__deps: ['$kelvaroImage'],
  kelvaro_picture: function(index, pixels, imageWidth, imageHeight, x, y, width, height, visible) {
    var image = imageWidth > 0 ? kelvaroImage(pixels, imageWidth, 0, 0, imageWidth, imageHeight) : null;
    Module.page.picture(index, image, {x: x, y: y, width: width, height: height}, !!visible);
  },
  kelvaro_menu_item: function(name, enabled, checked) {
    Module.page.menuItem(UTF8ToString(name), !!enabled, !!checked);
  },
  kelvaro_overlay: function(numbers, count) {
    Module.page.overlay(Array.from(HEAP32.subarray(numbers >> 2, (numbers >> 2) + count)));
  },
  kelvaro_sound: function(action, channel, file) {
    Module.page.sound(action, channel, UTF8ToString(file));
  },
  // /save is read back from IndexedDB before the game starts; from then on any change under it
  // (a file written, truncated, renamed or removed, a folder made) has the page keep it again, once
  // the call into the game that made it has returned, so a records file written with its lock and
  // its temporary copy is kept once.
  kelvaro_mount__deps: ['$IDBFS', 'kelvaro_keep_files'],
  kelvaro_mount: function() {
    FS.mkdir('/save');
    FS.mount(IDBFS, {}, '/save');
    FS.syncfs(true, function(error) {
      if (error)
        console.error('the records could not be read: ' + error);
      var pending = false;
      function changed(paths) {
        var under = paths.some(function(path) {
          path = typeof path === 'string' ? path : FS.getPath(path);
          return path === '/save' || path.startsWith('/save/');
        });
        if (pending || !under)
          return;
        pending = true;
        Promise.resolve().then(function() {
          pending = false;
          _kelvaro_keep_files();
        });
      }
      function watch(name, pathsOf) {
        var original = FS[name];
        FS[name] = function() {
          var result = original.apply(FS, arguments);
          changed(pathsOf(arguments));
          return result;
        };
      }
      var first = function(args) { return [args[0]]; };
      ['mkdir', 'rmdir', 'unlink', 'truncate'].forEach(function(name) { watch(name, first); });
      watch('rename', function(args) { return [args[0], args[1]]; });
      watch('write', function(args) { return [args[0].path || '']; });
      Module.page.storageRead();
    });
  },
  // The files under /save go to IndexedDB; a save asked for while one runs follows it.
  kelvaro_keep_files__deps: ['$IDBFS'],
  kelvaro_keep_files: function() {
    var keep = Module.kelvaroKeep || (Module.kelvaroKeep = {running: false, again: false});
    if (keep.running) {
      keep.again = true;
      return;
    }
    keep.running = true;
    FS.syncfs(false, function(error) {
      if (error)
        console.error('the records could not be kept: ' + error);
      keep.running = false;
      if (keep.again) {
        keep.again = false;
        _kelvaro_keep_files();
      }
    });
  },
  kelvaro_puzzle_box: function(id, json) {
    Module.page.puzzleBox(id, JSON.parse(UTF8ToString(json)));
  },
  kelvaro_progress: function(id, title, text, share) {
    Module.page.progress(id, UTF8ToString(title), UTF8ToString(text), share);
  },
  kelvaro_keys: function(id, json) {
    Module.page.keys(id, JSON.parse(UTF8ToString(json)));
  },
  kelvaro_title: function(title) {
    document.title = UTF8ToString(title);
  },
  kelvaro_share: function(line, caption, copied) {
    Module.page.share(UTF8ToString(line), UTF8ToString(caption), UTF8ToString(copied));
  },
  kelvaro_copy_text: function(text) {
    Module.page.copyText(UTF8ToString(text));
  },
  kelvaro_wake: function(milliseconds) {
    Module.page.wakeIn(milliseconds);
  },
});
