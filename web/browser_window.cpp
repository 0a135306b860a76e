#include "browser_window.h"

#include "page_html.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

// The page's side: the controls are the elements "c<row>"; the game's
// exported functions are called on their events.
// clang-format off
EM_JS(void, morveta_attach, (), {
    const page = Module.morvetaPage = {};
    page.row = (row) => document.getElementById('c' + row);
    page.options = (row) => page.row(row).querySelector('input');
    page.history = document.querySelector('select');
    page.say = document.getElementById('say');
    // Each painted control's face class ("k" and six hex digits); those the page has rules for.
    page.faces = [];
    page.styled = new Set();
    document.querySelectorAll('[id^=c]').forEach((control) => {
        const face = Array.from(control.classList).find((name) => name.length === 7 && name[0] === 'k');
        if (face) {
            page.faces[Number(control.id.slice(1))] = face;
            page.styled.add(face);
        }
    });
    page.sheet = document.querySelector('style').sheet;
    document.querySelectorAll('button').forEach((button) => {
        const row = Number(button.id.slice(1));
        button.addEventListener('click', () => _morveta_click(row));
    });
    document.querySelectorAll('input[type=radio]:not([disabled])').forEach((option) => {
        const row = Number(option.parentNode.id.slice(1));
        option.addEventListener('click', () => _morveta_click(row));
    });
    // No default button and no cancel button: Enter and Escape do nothing.
    document.addEventListener('keydown', (event) => {
        if (event.key === 'Enter' || event.key === 'Escape')
            event.preventDefault();
    }, true);
});

// Swaps the control's face class; a class seen for the first time gets its
// rules (one a line) first.
EM_JS(void, morveta_show_face, (int row, const char* face, const char* rules), {
    const page = Module.morvetaPage;
    const name = UTF8ToString(face);
    if (!page.styled.has(name)) {
        page.styled.add(name);
        for (const rule of UTF8ToString(rules).split('\n'))
            if (rule)
                page.sheet.insertRule(rule, page.sheet.cssRules.length);
    }
    page.row(row).classList.replace(page.faces[row], name);
    page.faces[row] = name;
});

EM_JS(void, morveta_show_selected, (int row, int selected), {
    Module.morvetaPage.options(row).checked = selected !== 0;
});

EM_JS(void, morveta_show_text, (int row, const char* text), {
    Module.morvetaPage.row(row).value = UTF8ToString(text);
});

// The box's text as UTF-8 in memory the caller frees.
EM_JS(char*, morveta_typed_text, (int row), {
    const text = Module.morvetaPage.row(row).value;
    const size = lengthBytesUTF8(text) + 1;
    const memory = _malloc(size);
    if (memory)
        stringToUTF8(text, memory, size);
    return memory;
});

// A list box shows an option's blanks as one: each is shown as a no-break space.
EM_JS(void, morveta_show_line, (const char* text), {
    const shown = UTF8ToString(text).replace(/ /g, String.fromCharCode(160));
    Module.morvetaPage.history.add(new Option(shown));
});

EM_JS(void, morveta_show_cleared, (), {
    Module.morvetaPage.history.length = 0;
});

// Selects the line and brings it into view, or selects none.
EM_JS(void, morveta_show_selected_line, (double index), {
    const history = Module.morvetaPage.history;
    history.selectedIndex = index;
    if (index < 0)
        return;
    const box = history.getBoundingClientRect();
    const line = history.options[index].getBoundingClientRect();
    const top = line.top - box.top - history.clientTop;
    if (top < 0)
        history.scrollTop += top;
    else if (top + line.height > history.clientHeight)
        history.scrollTop += top + line.height - history.clientHeight;
});

EM_JS(void, morveta_show_timer, (int enabled, int interval), {
    const page = Module.morvetaPage;
    clearInterval(page.timer);
    page.timer = enabled ? setInterval(() => _morveta_tick(), interval) : undefined;
});

// A polite live region: a reader speaks the new text once it is done.
EM_JS(void, morveta_say, (const char* text), {
    Module.morvetaPage.say.textContent = UTF8ToString(text);
});
// clang-format on

namespace web {

namespace {

BrowserWindow* page = nullptr;

} // namespace

BrowserWindow::BrowserWindow() : handlers_(*this, random_)
{
    page = this;
    morveta_attach();
    handlers_.Form_Load();
    showTimer();
}

void BrowserWindow::click(std::size_t row)
{
    if (row >= ui::kControls.size())
        return;
    const ui::ControlEntry& entry = ui::kControls[row];
    switch (entry.control) {
    case ui::Control::Buton: handlers_.Buton_Click(entry.index); break;
    case ui::Control::Nachalo: handlers_.Nachalo_Click(entry.index); break;
    case ui::Control::Igrach:
        // The page has selected the option already.
        setValue({entry.control, entry.index}, true);
        handlers_.Igrach_Click(entry.index);
        break;
    default: break;
    }
}

void BrowserWindow::tick()
{
    if (timerEnabled())
        handlers_.Timer1_Timer();
}

void BrowserWindow::showFace(std::size_t row)
{
    morveta_show_face(int(row), faceClass(face(row)).c_str(), faceRules(face(row)).c_str());
}

void BrowserWindow::showSelected(std::size_t row)
{
    morveta_show_selected(int(row), selected(row));
}

void BrowserWindow::showText(std::size_t row) { morveta_show_text(int(row), boxText(row).c_str()); }

std::string BrowserWindow::typedText(std::size_t row) const
{
    const std::unique_ptr<char, decltype(&std::free)> text(morveta_typed_text(int(row)),
                                                           &std::free);
    return text ? std::string(text.get()) : std::string();
}

void BrowserWindow::showLine(std::string_view utf8)
{
    morveta_show_line(std::string(utf8).c_str());
}

void BrowserWindow::showCleared() { morveta_show_cleared(); }

void BrowserWindow::showSelectedLine() { morveta_show_selected_line(double(selectedLine())); }

void BrowserWindow::showTimer() { morveta_show_timer(timerEnabled(), ui::kTimerIntervalMs); }

void BrowserWindow::say(std::string_view utf8) { morveta_say(std::string(utf8).c_str()); }

} // namespace web

extern "C" {

EMSCRIPTEN_KEEPALIVE void morveta_click(int row)
{
    if (web::page && row >= 0)
        web::page->click(std::size_t(row));
}

EMSCRIPTEN_KEEPALIVE void morveta_tick()
{
    if (web::page)
        web::page->tick();
}

} // extern "C"
