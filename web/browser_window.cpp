#include "browser_window.h"

#include "page_html.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

// The page's side, in page.js.
extern "C" {
void morveta_attach();
void morveta_show_face(int row, const char* was, const char* face, const char* rules);
void morveta_show_selected(int row, int selected);
void morveta_show_text(int row, const char* text);
char* morveta_typed_text(int row);
void morveta_show_line(const char* text);
void morveta_show_cleared();
void morveta_show_selected_line(double index);
void morveta_show_timer(int enabled, int interval);
void morveta_say(const char* text);
}

namespace web {

namespace {

BrowserWindow* page = nullptr;

} // namespace

BrowserWindow::BrowserWindow(app::RandomSource& random) : handlers_(*this, random)
{
    page = this;
    morveta_attach();
    handlers_.Form_Load();
    // The page was written showing these faces, with their rules.
    for (std::size_t row = 0; row < ui::kControls.size(); ++row)
        if (ui::kControls[row].face == ui::Face::Painted && !styled(face(row)))
            styled_.push_back(face(row));
    loaded_ = true;
    showTimer();
}

bool BrowserWindow::styled(ui::Rgb face) const
{
    return std::find(styled_.begin(), styled_.end(), face) != styled_.end();
}

void BrowserWindow::click(std::size_t row)
{
    if (row >= ui::kControls.size())
        return;
    const ui::ControlEntry& entry = ui::kControls[row];
    handlers_.clicked({entry.control, entry.index});
}

void BrowserWindow::tick()
{
    if (timerEnabled())
        handlers_.Timer1_Timer();
}

void BrowserWindow::showFace(std::size_t row, ui::Rgb was)
{
    // While Form_Load runs, the page already shows what it makes.
    if (!loaded_)
        return;
    const ui::Rgb now = face(row);
    std::string rules;
    if (!styled(now)) {
        rules = faceRules(now);
        styled_.push_back(now);
    }
    morveta_show_face(int(row), faceClass(was).c_str(), faceClass(now).c_str(), rules.c_str());
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
