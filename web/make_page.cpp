#include "hamburger.h"
#include "morveta.h"
#include "page_html.h"
#include "page_window.h"
#include "random_source.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace {

bool writeFile(const std::string& path, const void* data, std::size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

std::optional<std::string> readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.good() && !file.eof())
        return std::nullopt;
    return text;
}

// Writes the page into the folder given: index.html, showing the window as
// it stands once start-up has run, and its style sheet, in the face whose
// CSS src the file faceSource holds; its icon, morveta.ico and morveta.svg; and its web app
// manifest, manifest.webmanifest.
int makePage(const std::string& folder, const std::string& faceSource)
{
    const std::optional<std::string> face = readFile(faceSource);
    if (!face) {
        std::perror(faceSource.c_str());
        return 1;
    }
    web::PageWindow window;
    app::ClockRandom random;
    Morveta handlers(window, random);
    handlers.Form_Load();
    const std::string page = web::pageHtml(window, "morveta.js");
    const std::string style = web::pageStyle(window, *face);
    const auto icon = ui::hamburgerIco();
    const std::string svg = ui::hamburgerSvg();
    const std::string manifest = web::manifestJson();
    if (!writeFile(folder + "/index.html", page.data(), page.size()) ||
        !writeFile(folder + "/" + std::string(web::kStyleFile), style.data(), style.size()) ||
        !writeFile(folder + "/morveta.ico", icon.data(), icon.size()) ||
        !writeFile(folder + "/morveta.svg", svg.data(), svg.size()) ||
        !writeFile(folder + "/manifest.webmanifest", manifest.data(), manifest.size())) {
        std::perror(folder.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: morveta_make_page FOLDER FACE_SRC.css\n", stderr);
        return 2;
    }
    try {
        return makePage(argv[1], argv[2]);
    } catch (const std::exception& failure) {
        // Out of memory, in practice: the build stops with the reason.
        std::fprintf(stderr, "morveta_make_page: %s\n", failure.what());
        return 1;
    }
}
