// The page's side of the browser window (browser_window.cpp), linked with
// --js-library. The controls are the page's elements "c<row>", in the layout
// table's order; their events call the game's exported functions.

// The runtime's string functions are library symbols from emscripten 3.1.2x
// on, included only when something depends on them; before, they are always
// part of the runtime and cannot be named as dependencies.
const morvetaRuntime = (names) =>
  names.filter((name) => Object.prototype.hasOwnProperty.call(LibraryManager.library, name));

mergeInto(LibraryManager.library, {
  // The page's elements: the history, its mark, the live region and the
  // added style sheet found once (morveta_attach); a control by its row,
  // looked up when it is used.
  $MorvetaPage: {
    row: (row) => document.getElementById('c' + row),
    options: (row) => MorvetaPage.row(row).querySelector('input'),
    history: null,
    mark: null,
    say: null,
    sheet: null,
    timer: null,
    // The history's selected line, drawn over the list in the window's own
    // selection colours: engines paint a list's selection faintly or in the
    // theme's grey while the list has no focus, and some ignore the page's
    // colours for it. Follows the list's scrolling and the user's selection.
    showMark: () => {
      const list = MorvetaPage.history;
      const mark = MorvetaPage.mark;
      const index = list.selectedIndex;
      mark.hidden = index < 0;
      if (index < 0) return;
      const line = list.options[index].getBoundingClientRect();
      const top = line.top - list.getBoundingClientRect().top - list.clientTop;
      Object.assign(mark.style, {
        left: list.offsetLeft + list.clientLeft + 'px',
        top: list.offsetTop + list.clientTop + 'px',
        width: list.clientWidth + 'px',
        height: list.clientHeight + 'px',
      });
      Object.assign(mark.firstChild.style, { top: top + 'px', height: line.height + 'px' });
      mark.firstChild.textContent = list.options[index].text;
    },
  },

  // void morveta_attach(void);
  // Finds the history, the live region and the style sheet, and wires the
  // buttons' and options' clicks to morveta_click(row).
  morveta_attach__deps: ['$MorvetaPage', 'morveta_click'],
  morveta_attach: function () {
    MorvetaPage.history = document.querySelector('select');
    MorvetaPage.mark = document.getElementById('mark');
    for (const event of ['scroll', 'change'])
      MorvetaPage.history.addEventListener(event, MorvetaPage.showMark);
    MorvetaPage.say = document.getElementById('say');
    // Faces first shown after start-up take their rules from a sheet of the
    // script's own: the page's policy refuses a style element, and Chromium
    // and WebKit keep the page's own sheet out of a script's reach when the
    // page is opened from the disk.
    MorvetaPage.sheet = new CSSStyleSheet();
    document.adoptedStyleSheets = [...document.adoptedStyleSheets, MorvetaPage.sheet];
    document.querySelectorAll('button').forEach((button) => {
      const row = Number(button.id.slice(1));
      button.addEventListener('click', () => _morveta_click(row));
    });
    document.querySelectorAll('input[type=radio]:not([disabled])').forEach((option) => {
      const row = Number(option.parentNode.id.slice(1));
      option.addEventListener('click', () => _morveta_click(row));
    });
    // No default button and no cancel button: Enter and Escape do nothing.
    document.addEventListener(
      'keydown',
      (event) => {
        if (event.key === 'Enter' || event.key === 'Escape') event.preventDefault();
      },
      true,
    );
  },

  // void morveta_show_face(int row, const char* was, const char* face, const char* rules);
  // Swaps the row's face class `was` for `face`; `rules` (one a line, may be
  // empty) are added to the page's style sheet first.
  morveta_show_face__deps: morvetaRuntime(['$UTF8ToString']).concat(['$MorvetaPage']),
  morveta_show_face: function (row, was, face, rules) {
    for (const rule of UTF8ToString(rules).split('\n'))
      if (rule) MorvetaPage.sheet.insertRule(rule, MorvetaPage.sheet.cssRules.length);
    const classes = MorvetaPage.row(row).classList;
    classes.remove(UTF8ToString(was));
    classes.add(UTF8ToString(face));
  },

  // void morveta_show_selected(int row, int selected);
  // Checks or clears the option in the row.
  morveta_show_selected__deps: ['$MorvetaPage'],
  morveta_show_selected: function (row, selected) {
    MorvetaPage.options(row).checked = selected !== 0;
  },

  // void morveta_show_text(int row, const char* text);
  // The text box in the row shows `text`.
  morveta_show_text__deps: morvetaRuntime(['$UTF8ToString']).concat(['$MorvetaPage']),
  morveta_show_text: function (row, text) {
    MorvetaPage.row(row).value = UTF8ToString(text);
  },

  // char* morveta_typed_text(int row);
  // What the text box in the row holds, as UTF-8 in memory that the caller
  // frees; null when there is no memory for it.
  morveta_typed_text__deps: ['$stringToNewUTF8', '$MorvetaPage'],
  morveta_typed_text: function (row) {
    return stringToNewUTF8(MorvetaPage.row(row).value);
  },

  // void morveta_show_line(const char* text);
  // Adds a line to the history. A list box shows a run of blanks as one: each
  // blank is shown as a no-break space.
  morveta_show_line__deps: morvetaRuntime(['$UTF8ToString']).concat(['$MorvetaPage']),
  morveta_show_line: function (text) {
    const shown = UTF8ToString(text).replace(/ /g, String.fromCharCode(160));
    MorvetaPage.history.add(new Option(shown));
  },

  // void morveta_show_cleared(void);
  // Empties the history.
  morveta_show_cleared__deps: ['$MorvetaPage'],
  morveta_show_cleared: function () {
    MorvetaPage.history.length = 0;
    MorvetaPage.showMark();
  },

  // void morveta_show_selected_line(double index);
  // Selects the history's line `index` and brings it into view; -1 selects none.
  morveta_show_selected_line__deps: ['$MorvetaPage'],
  morveta_show_selected_line: function (index) {
    const history = MorvetaPage.history;
    history.selectedIndex = index;
    if (index >= 0) {
      const box = history.getBoundingClientRect();
      const line = history.options[index].getBoundingClientRect();
      const top = line.top - box.top - history.clientTop;
      if (top < 0) history.scrollTop += top;
      else if (top + line.height > history.clientHeight)
        history.scrollTop += top + line.height - history.clientHeight;
    }
    MorvetaPage.showMark();
  },

  // void morveta_show_timer(int enabled, int interval);
  // While enabled, morveta_tick() runs every `interval` milliseconds.
  morveta_show_timer__deps: ['$MorvetaPage', 'morveta_tick'],
  morveta_show_timer: function (enabled, interval) {
    clearInterval(MorvetaPage.timer);
    MorvetaPage.timer = enabled ? setInterval(() => _morveta_tick(), interval) : null;
  },

  // void morveta_say(const char* text);
  // The polite live region takes `text`: a reader speaks it once it is done.
  morveta_say__deps: morvetaRuntime(['$UTF8ToString']).concat(['$MorvetaPage']),
  morveta_say: function (text) {
    MorvetaPage.say.textContent = UTF8ToString(text);
  },
});
