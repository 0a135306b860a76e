#include "browser_window.h"

// The page's script: the game starts once the page has shown and lives as
// long as the page.
int main()
{
    static web::BrowserWindow window;
    return 0;
}
