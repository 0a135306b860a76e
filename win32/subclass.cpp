#include "subclass.h"

#include "module.h"

namespace win32gui {

namespace {

// comctl32's entry points, found once and kept for the rest of the run: the
// library is the process's, and links call into it until the last control goes.
struct Comctl32 {
    using Add = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
    using Next = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
    using Remove = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
    Add add = nullptr;
    Next next = nullptr;
    Remove remove = nullptr;

    static const Comctl32& get()
    {
        static const Comctl32 loaded = [] {
            const HMODULE module = systemLibrary(L"comctl32.dll");
            Comctl32 c;
            c.add = procedureOf<Add>(module, "SetWindowSubclass");
            c.next = procedureOf<Next>(module, "DefSubclassProc");
            c.remove = procedureOf<Remove>(module, "RemoveWindowSubclass");
            if (!c.add || !c.next || !c.remove)
                c.add = nullptr; // a chain that could not be left is not joined
            return c;
        }();
        return loaded;
    }
};

} // namespace

bool addSubclass(HWND control, SUBCLASSPROC link, UINT_PTR id, DWORD_PTR data)
{
    const Comctl32& c = Comctl32::get();
    return c.add && control && c.add(control, link, id, data);
}

LRESULT nextSubclass(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Only a link calls this, and links exist only once comctl32 was found.
    return Comctl32::get().next(control, message, wParam, lParam);
}

void removeSubclass(HWND control, SUBCLASSPROC link, UINT_PTR id)
{
    if (const Comctl32& c = Comctl32::get(); c.remove)
        c.remove(control, link, id);
}

} // namespace win32gui
