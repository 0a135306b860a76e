#include "browser_window.h"
#include "random_source.h"

// The page's script: the game starts once the page has shown and lives as
// long as the page.
int main()
{
    static app::ClockRandom random;
    static web::BrowserWindow window(random);
    return 0;
}
