// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language: the one chosen in its menu (kept in the browser's localStorage) or else the
// browser's, its translation fetched, handed to the game and used for the page's own words.
'use strict';

var PageLanguage = (function() {
  var storageKey = 'kelvaro.language';
  var code = 'en';
  var messages = {};  // context -> source -> translation, or the plural forms of a %n text
  var english = new Map();  // element -> its own English words, as the page was written

  function known(wanted) {
    return KelvaroLanguages.some(function(language) { return language[0] === wanted; });
  }

  function stored() {
    try {
      return localStorage.getItem(storageKey);
    } catch (error) {
      return null;  // storage refused: the browser's language it is
    }
  }

  // "pt-BR" is pt_BR; "de-AT" or "de" is de, "pt" the one Portuguese there is.
  function matching(tag) {
    var wanted = tag.replace('-', '_'), primary = wanted.split('_')[0];
    if (known(wanted))
      return wanted;
    var near = KelvaroLanguages.filter(function(language) { return language[0].split('_')[0] === primary; });
    return near.length ? near[0][0] : null;
  }

  function preferred() {
    var chosen = stored();
    if (chosen && known(chosen))
      return chosen;
    var tags = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || 'en'];
    for (var i = 0; i < tags.length; ++i) {
      var found = matching(tags[i]);
      if (found)
        return found;
    }
    return 'en';
  }

  function load(wanted) {
    if (wanted === 'en')
      return Promise.resolve({});
    return fetch('i18n/' + wanted + '.json').then(function(response) {
      if (!response.ok)
        throw new Error('no translation ' + wanted + ': ' + response.status);
      return response.json();
    }).then(function(table) { return table.messages; });
  }

  // The translation of `source` in `context`, or `source` itself.
  function tr(context, source) {
    var text = messages[context] && messages[context][source];
    return typeof text === 'string' ? text : source;
  }

  // Words with a letter in them: a symbol (an arrow, the menu's bars) stays as it is.
  function wordy(text) { return text !== null && /\p{L}/u.test(text); }

  // Every element marked data-tr="CONTEXT" shows its text, title and aria-label in the language.
  function wordPage() {
    document.documentElement.lang = code.replace('_', '-');
    document.querySelectorAll('[data-tr]').forEach(function(element) {
      if (!english.has(element)) {
        english.set(element, {text: element.children.length ? null : element.textContent,
                              title: element.getAttribute('title'), label: element.getAttribute('aria-label')});
      }
      var own = english.get(element), context = element.dataset.tr;
      if (wordy(own.text))
        element.textContent = tr(context, own.text);
      if (wordy(own.title))
        element.setAttribute('title', tr(context, own.title));
      if (wordy(own.label))
        element.setAttribute('aria-label', tr(context, own.label));
    });
  }

  function call(name, types, values) { Module.ccall(name, null, types || [], values || []); }

  // The game's core words its messages itself, from the same texts.
  function teach() {
    call('kel_language', ['string'], [code]);
    Object.keys(messages).forEach(function(context) {
      Object.keys(messages[context]).forEach(function(source) {
        var forms = messages[context][source];
        (typeof forms === 'string' ? [forms] : forms).forEach(function(text, form) {
          call('kel_phrase', ['string', 'string', 'number', 'string'], [context, source, form, text]);
        });
      });
    });
  }

  // The menu's list of languages, each in its own name.
  function fillMenu(select) {
    KelvaroLanguages.forEach(function(language) {
      var option = new Option(language[1], language[0]);
      option.lang = language[0].replace('_', '-');
      select.add(option);
    });
    select.value = code;
    shownIn = select;
  }

  var loaded = null;
  var shownIn = null;  // the menu's list, once filled: the page may start before the language is loaded

  // Loads `wanted`, then shows the page's words in it; resolves once it is in force.
  function use(wanted) {
    loaded = load(wanted).then(function(table) {
      code = wanted;
      messages = table;
      if (shownIn)
        shownIn.value = code;
    }, function(error) {
      console.error(String(error));  // the words stay as they were
    }).then(wordPage);
    return loaded;
  }

  return {
    // Starts loading the language at once, before the game's module is there.
    begin: function() { return use(preferred()); },
    ready: function() { return loaded; },
    code: function() { return code; },
    tr: tr,
    teach: teach,
    // The menu: a language chosen is kept, the page and a game under way worded in it at once.
    listen: function(select, done) {
      fillMenu(select);
      select.addEventListener('change', function() {
        var wanted = select.value;
        try {
          localStorage.setItem(storageKey, wanted);
        } catch (error) {}
        use(wanted).then(function() {
          teach();
          call('kel_language_done');
          done();
        });
      });
    },
  };
})();

PageLanguage.begin();
