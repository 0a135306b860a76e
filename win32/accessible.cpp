#include "accessible.h"

#include "module.h"
#include "subclass.h"

#include <objbase.h>
#include <oleacc.h>

#include <atomic>
#include <memory>
#include <string>

namespace win32gui {

namespace {

// The interfaces' ids, written out: libuuid's copy of IID_IAccessible clashes
// with oleacc.h's, and linking oleacc.dll would load it at every start.
constexpr GUID kIUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kIDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kIAccessible{0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0, 0xAA, 0, 0x38, 0x9B, 0x71}};
constexpr GUID kIOleWindow{0x00000114, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// oleacc.dll and oleaut32.dll, loaded on first use and kept for the rest of
// the run: the objects handed to readers call into them until the end.
struct Oleacc {
    using CreateStd = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    using Lresult = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using AllocString = BSTR(WINAPI*)(const OLECHAR*);
    HMODULE acc = nullptr;
    HMODULE aut = nullptr;
    CreateStd createStd = nullptr;
    Lresult lresult = nullptr;
    AllocString allocString = nullptr;

    static const Oleacc& get()
    {
        static const Oleacc loaded = [] {
            Oleacc o;
            o.acc = systemLibrary(L"oleacc.dll");
            o.aut = systemLibrary(L"oleaut32.dll");
            o.createStd = procedureOf<CreateStd>(o.acc, "CreateStdAccessibleObject");
            o.lresult = procedureOf<Lresult>(o.acc, "LresultFromObject");
            o.allocString = procedureOf<AllocString>(o.aut, "SysAllocString");
            return o;
        }();
        return loaded;
    }
    bool usable() const { return createStd && lresult && allocString; }
};

// What a reader is told of one control, kept with the control: the control
// owns it from its link in the control's chain of subclasses and
// finds it under a window property, since the objects handed to readers may
// outlive the control and must then find nothing.
struct Naming {
    std::wstring name;
    std::wstring description;
    LONG role = 0;             // 0: the system's
    std::wstring announcement; // said in place of the description while not empty
};

constexpr UINT_PTR kNamingSubclass = 1;
constexpr const wchar_t* kNamingProperty = L"MorvetaNaming";

// The naming of a control that still has it; null once the control is gone.
Naming* namingOf(HWND control)
{
    return IsWindow(control) ? static_cast<Naming*>(GetPropW(control, kNamingProperty)) : nullptr;
}

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's object for the control, with our name, description and role.
// It hands out only itself: every interface it answers for is its own, so
// that IUnknown reached through any of them is the same object, as COM
// requires. IEnumVARIANT is refused, and readers then count and fetch the
// children through IAccessible.
class NamedAccessible final : public IAccessible, public IOleWindow {
public:
    NamedAccessible(IAccessible* standard, HWND control) : inner_(standard), control_(control) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (IsEqualGUID(riid, kIUnknown) || IsEqualGUID(riid, kIDispatch) ||
            IsEqualGUID(riid, kIAccessible))
            *out = static_cast<IAccessible*>(this);
        else if (IsEqualGUID(riid, kIOleWindow))
            *out = static_cast<IOleWindow*>(this);
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        return inner_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return inner_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override
    {
        return inner_->GetIDsOfNames(riid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override
    {
        return inner_->Invoke(id, riid, locale, flags, params, result, exception, argument);
    }

    // IOleWindow: the control, which readers find the object's window by.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override
    {
        if (!window)
            return E_POINTER;
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IAccessible: our texts for the control itself, the system's for the rest.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        const Naming* naming = namingOf(control_);
        if (!isSelf(child) || !naming)
            return inner_->get_accName(child, name);
        return text(naming->name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        const Naming* naming = namingOf(control_);
        if (!isSelf(child) || !naming)
            return inner_->get_accDescription(child, description);
        if (!naming->announcement.empty())
            return text(naming->announcement, description);
        if (naming->description.empty())
            return inner_->get_accDescription(child, description);
        return text(naming->description, description);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return inner_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        return inner_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override
    {
        return inner_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return inner_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        const Naming* naming = namingOf(control_);
        if (!isSelf(child) || !naming || naming->role == 0)
            return inner_->get_accRole(child, role);
        if (!role)
            return E_POINTER;
        role->vt = VT_I4;
        role->lVal = naming->role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return inner_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return inner_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return inner_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override
    {
        return inner_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override
    {
        return inner_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return inner_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return inner_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return inner_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override
    {
        return inner_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return inner_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        return inner_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return inner_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return inner_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return inner_->put_accValue(child, value);
    }

private:
    ~NamedAccessible() { inner_->Release(); }

    static HRESULT text(const std::wstring& from, BSTR* to)
    {
        if (!to)
            return E_POINTER;
        *to = Oleacc::get().allocString(from.c_str());
        return *to ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* inner_;
    HWND control_;
    std::atomic<ULONG> references_{1};
};

LRESULT answerObjectRequest(HWND control, WPARAM wParam)
{
    const Oleacc& oleacc = Oleacc::get();
    if (!oleacc.usable())
        return 0;
    void* standard = nullptr;
    if (FAILED(oleacc.createStd(control, OBJID_CLIENT, kIAccessible, &standard)) || !standard)
        return 0;
    // Running out of memory here ends the program (main.cpp), as anywhere.
    auto* named = new NamedAccessible(static_cast<IAccessible*>(standard), control);
    const LRESULT result = oleacc.lresult(kIAccessible, wParam, static_cast<IAccessible*>(named));
    named->Release(); // LresultFromObject holds its own reference
    // A failure comes back as a negative HRESULT: it is no answer, and the
    // control's own procedure answers instead.
    return result > 0 ? result : 0;
}

// The naming comes with each message as the link's data: the marks see a
// message at every tick, and the property would be looked up each time.
LRESULT CALLBACK namingProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                            UINT_PTR /*id*/, DWORD_PTR data)
{
    auto* naming = reinterpret_cast<Naming*>(data);
    if (message == WM_GETOBJECT && LONG(lParam) == OBJID_CLIENT) {
        if (const LRESULT answer = answerObjectRequest(control, wParam))
            return answer;
    } else if (message == WM_KILLFOCUS) {
        // What was said here is old news once the reader's user moves on.
        naming->announcement.clear();
    } else if (message == WM_NCDESTROY) {
        // The control owned its naming; it goes with the control.
        const std::unique_ptr<Naming> owned(naming);
        RemovePropW(control, kNamingProperty);
        removeSubclass(control, &namingProc, kNamingSubclass);
    }
    return nextSubclass(control, message, wParam, lParam);
}

} // namespace

ComApartment::ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
{
}

ComApartment::~ComApartment()
{
    if (joined_)
        CoUninitialize();
}

void nameForScreenReaders(HWND control, std::wstring_view name, std::wstring_view description,
                          LONG role)
{
    if (!control || namingOf(control))
        return;
    // Running out of memory here ends the program (main.cpp), as anywhere.
    auto naming = std::make_unique<Naming>();
    naming->name = name;
    naming->description = description;
    naming->role = role;
    if (!addSubclass(control, &namingProc, kNamingSubclass, DWORD_PTR(naming.get())))
        return;
    if (!SetPropW(control, kNamingProperty, naming.get())) {
        removeSubclass(control, &namingProc, kNamingSubclass);
        return;
    }
    // From here the control owns it, until WM_NCDESTROY.
    [[maybe_unused]] const Naming* const owned = naming.release();
}

void announceOn(HWND control, std::wstring_view text)
{
    Naming* naming = namingOf(control);
    if (!naming)
        return;
    naming->announcement = text;
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace win32gui
