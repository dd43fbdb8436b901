// SPDX-License-Identifier: GPL-3.0-or-later
// The page's sounds through Web Audio, a channel a sound as the desktop's mixer has them: a sound
// played again starts over.
'use strict';

var PageAudio = (function() {
  var context = null;
  var buffers = {};
  var playing = [];
  var files = [];

  // A running audio context keeps the browser's audio service mixing silence: with no sound
  // left on any channel it is suspended, and resumed by the next sound.
  function rest() {
    if (context && context.state === 'running' && !playing.some(Boolean))
      context.suspend();
  }

  // The music comes as Ogg Vorbis where the browser says it may decode it, else (or should that
  // fail after all) as the WAV the desktop plays.
  function load(file) {
    var vorbis = file === 'music.wav' && new Audio().canPlayType('audio/ogg; codecs=vorbis') !== '';
    function decoded(name) {
      return fetch('sounds/' + name).then(function(response) {
        if (!response.ok)
          throw new Error(response.status + ' ' + response.statusText);
        return response.arrayBuffer();
      }).then(function(bytes) { return context.decodeAudioData(bytes); });
    }
    (vorbis ? decoded('music.ogg').catch(function() { return decoded(file); }) : decoded(file))
      .then(function(buffer) { buffers[file] = buffer; })
      .catch(function(error) { console.error('sound ' + file + ': ' + error); });
  }

  function stop(channel) {
    if (playing[channel]) {
      playing[channel].stop();
      playing[channel] = null;
    }
  }

  function start(channel, buffer, loop) {
    if (context.state === 'suspended')
      context.resume();
    var source = context.createBufferSource();
    source.buffer = buffer;
    source.loop = loop;
    source.connect(context.destination);
    source.onended = function() {
      if (playing[channel] === source) {
        playing[channel] = null;
        rest();
      }
    };
    source.start();
    playing[channel] = source;
  }

  return {
    // Browsers play nothing before the player touches the page: the sounds are fetched then.
    wake: function() {
      if (context)
        return;
      context = new AudioContext();
      files.forEach(load);
      rest();
    },
    // action: 0 once, 1 looping (unless it plays already), 2 stop, 3 load.
    act: function(action, channel, file) {
      if (action === 3) {
        files.push(file);
        if (context)
          load(file);
        return;
      }
      if (action === 1 && playing[channel])
        return;
      stop(channel);
      var buffer = buffers[file];
      if (action !== 2 && context && buffer)
        start(channel, buffer, action === 1);
      else
        rest();
    },
    // How many sounds are ready to play: none before the player first touches the page.
    loaded: function() { return Object.keys(buffers).length; },
    // For tests: the audio context's state ('none' before the first touch) and the channels sounding.
    state: function() { return {context: context ? context.state : 'none', playing: playing.filter(Boolean).length}; },
  };
})();
