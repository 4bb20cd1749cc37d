/* Reads a window's UI Automation tree from outside its program, as a Windows screen reader
 * does: finds the top-level window of the given title, takes its node with UiaNodeFromHandle,
 * walks the raw view with UiaNavigate and prints one line a node, indented by depth:
 *
 *     [ControlType] "Name" grey focus offscreen
 *
 * with "grey" for a disabled control, "focus" for the one with the keyboard focus and
 * "offscreen" for one a player cannot see. Names are printed in UTF-8.
 *
 *     read_ui_automation_tree TITLE DEPTH
 *
 * DEPTH is how many levels below the window are read: 0 reads the window alone. Wine 8 can read
 * no deeper into a Qt window: its UiaNavigate never returns there (see ui_automation_test.sh).
 *
 * Exits with 0 once the tree is printed, 1 when the window is missing or UI Automation fails
 * (its HRESULT is printed on standard error). Built with Wine's own headers: the client
 * functions are Wine's, not those of the mingw-w64 headers. */
#define COBJMACROS
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <uiautomation.h>

static const char *const control_types[] = {
    "Button", "Calendar", "CheckBox", "ComboBox", "Edit", "Hyperlink", "Image", "ListItem",
    "List", "Menu", "MenuBar", "MenuItem", "ProgressBar", "RadioButton", "ScrollBar", "Slider",
    "Spinner", "StatusBar", "Tab", "TabItem", "Text", "ToolBar", "ToolTip", "Tree", "TreeItem",
    "Custom", "Group", "Thumb", "DataGrid", "DataItem", "Document", "SplitButton", "Window",
    "Pane", "Header", "HeaderItem", "Table", "TitleBar", "Separator", "SemanticZoom", "AppBar"};

static int failed(const char *what, HRESULT hr) {
    fprintf(stderr, "%s failed: 0x%08lx\n", what, (unsigned long)hr);
    return 0;
}

static int property(HUIANODE node, PROPERTYID id, VARIANT *value) {
    HRESULT hr;
    VariantInit(value);
    hr = UiaGetPropertyValue(node, id, value);
    return SUCCEEDED(hr) ? 1 : failed("UiaGetPropertyValue", hr);
}

static int flag(HUIANODE node, PROPERTYID id) {
    VARIANT value;
    int set = property(node, id, &value) && V_VT(&value) == VT_BOOL && V_BOOL(&value);
    VariantClear(&value);
    return set;
}

static void print_node(HUIANODE node, int depth) {
    VARIANT type, name;
    char words[1024] = "";
    int i;
    for (i = 0; i < depth; i++)
        fputs("  ", stdout);
    if (property(node, UIA_ControlTypePropertyId, &type) && V_VT(&type) == VT_I4 &&
        V_I4(&type) >= UIA_ButtonControlTypeId &&
        V_I4(&type) < UIA_ButtonControlTypeId + (LONG)(sizeof(control_types) / sizeof(control_types[0])))
        printf("[%s]", control_types[V_I4(&type) - UIA_ButtonControlTypeId]);
    else
        printf("[type %ld]", V_VT(&type) == VT_I4 ? (long)V_I4(&type) : -1L);
    if (property(node, UIA_NamePropertyId, &name) && V_VT(&name) == VT_BSTR && V_BSTR(&name))
        WideCharToMultiByte(CP_UTF8, 0, V_BSTR(&name), -1, words, sizeof(words), NULL, NULL);
    printf(" \"%s\"", words);
    if (!flag(node, UIA_IsEnabledPropertyId))
        fputs(" grey", stdout);
    if (flag(node, UIA_HasKeyboardFocusPropertyId))
        fputs(" focus", stdout);
    if (flag(node, UIA_IsOffscreenPropertyId))
        fputs(" offscreen", stdout);
    putchar('\n');
    VariantClear(&type);
    VariantClear(&name);
}

/* The node in that direction from `node`, or NULL when there is none. */
static HUIANODE navigate(HUIANODE node, enum NavigateDirection direction) {
    struct UiaCondition every = {ConditionType_True};
    struct UiaCacheRequest request = {&every, TreeScope_Element, NULL, 0, NULL, 0,
                                      AutomationElementMode_Full};
    SAFEARRAY *found = NULL;
    BSTR structure = NULL;
    HUIANODE next = NULL;
    LONG at[2] = {0, 0};
    VARIANT element;
    HRESULT hr = UiaNavigate(node, direction, &every, &request, &found, &structure);
    if (FAILED(hr)) {
        failed("UiaNavigate", hr);
        return NULL;
    }
    VariantInit(&element);
    if (found && SUCCEEDED(SafeArrayGetElement(found, at, &element)))
        UiaHUiaNodeFromVariant(&element, &next);
    if (found)
        SafeArrayDestroy(found);
    SysFreeString(structure);
    return next;
}

static void print_tree(HUIANODE node, int depth, int levels) {
    HUIANODE child;
    print_node(node, depth);
    fflush(stdout);
    if (depth == levels)
        return;
    child = navigate(node, NavigateDirection_FirstChild);
    while (child) {
        HUIANODE next;
        print_tree(child, depth + 1, levels);
        next = navigate(child, NavigateDirection_NextSibling);
        UiaNodeRelease(child);
        child = next;
    }
}

int main(int argc, char **argv) {
    HUIANODE window;
    HRESULT hr;
    HWND handle;
    if (argc != 3) {
        fputs("usage: read_ui_automation_tree TITLE DEPTH\n", stderr);
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);
    CoInitializeEx(NULL, COINIT_MULTITHREADED);
    handle = FindWindowA(NULL, argv[1]);
    if (!handle) {
        fprintf(stderr, "no window \"%s\"\n", argv[1]);
        return 1;
    }
    hr = UiaNodeFromHandle(handle, &window);
    if (FAILED(hr))
        return failed("UiaNodeFromHandle", hr), 1;
    print_tree(window, 0, atoi(argv[2]));
    UiaNodeRelease(window);
    fflush(stdout);
    CoUninitialize();
    return 0;
}
