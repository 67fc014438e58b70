/* Tells where Windows itself has the visible top-level windows: the places the
 * program asked for, which a window manager's frames can hide by a pixel or
 * two. One line for the screen, then one per window:
 *   screen WIDTH HEIGHT work LEFT TOP RIGHT BOTTOM
 *   window XID LEFT TOP RIGHT BOTTOM client X Y WIDTH HEIGHT pid PID style STYLE EXSTYLE title TITLE
 * XID is the X window that Wine shows the window in (0 where it has none), the
 * styles are hexadecimal, TITLE is UTF-8. Built by real_program.sh with MinGW and run under Wine. */
#include <windows.h>
#include <stdio.h>

static BOOL CALLBACK Print(HWND window, LPARAM unused)
{
    (void)unused;
    if (!IsWindowVisible(window))
        return TRUE;
    RECT outer, inner;
    POINT corner = {0, 0};
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    ClientToScreen(window, &corner);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t title[512] = L"";
    GetWindowTextW(window, title, 512);
    char utf8[2048] = "";
    WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, NULL, NULL);
    unsigned long long xid = (unsigned long long)(ULONG_PTR)GetPropW(window, L"__wine_x11_whole_window");
    printf("window %llu %ld %ld %ld %ld client %ld %ld %ld %ld pid %lu style %08lx %08lx title %s\n", xid, outer.left,
           outer.top, outer.right, outer.bottom, corner.x, corner.y, inner.right, inner.bottom, pid,
           (unsigned long)GetWindowLongW(window, GWL_STYLE), (unsigned long)GetWindowLongW(window, GWL_EXSTYLE), utf8);
    return TRUE;
}

int main(void)
{
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    printf("screen %d %d work %ld %ld %ld %ld\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
           work.left, work.top, work.right, work.bottom);
    EnumWindows(Print, 0);
    fflush(stdout);
    return 0;
}
