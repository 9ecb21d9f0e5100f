#include "ChromatogramWindow.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "win/Firewall.h"

namespace {

constexpr wchar_t kClassName[] = L"VeltarHostChromatogram";
constexpr int kLeft = 70, kRight = 24, kTop = 36, kBottom = 44, kGap = 18;
const COLORREF kChannelColours[] = {RGB(0, 90, 180), RGB(200, 60, 20), RGB(20, 140, 60), RGB(140, 60, 160)};

// A GDI object owned for the length of a paint.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object) : object_(object) {}
    ~GdiObject() {
        if (object_ != nullptr) DeleteObject(object_);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    HGDIOBJ Get() const { return object_; }

private:
    HGDIOBJ object_;
};

// Keeps an object selected into a DC and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Samples per second and the start of the record in minutes, as the host writes its channel headers.
struct TimeAxis {
    double start = 0;
    double end = 1;
};

TimeAxis AxisOf(const CVeltarFile4& file) {
    TimeAxis axis{1e300, -1e300};
    for (const ChromatogramChannel& channel : file.channels) {
        const double rate = channel.headerValue1 > 0 ? channel.headerValue1 : 1;
        axis.start = std::min(axis.start, channel.headerValue2);
        axis.end = std::max(axis.end, channel.headerValue2 + channel.samples.size() / rate / 60);
    }
    if (axis.end <= axis.start) axis = {0, 1};
    return axis;
}

double TickStep(double span) {
    for (double step : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0}) {
        if (span / step <= 12) return step;
    }
    return 50.0;
}

void Text(HDC dc, int x, int y, const std::wstring& text, UINT align) {
    SetTextAlign(dc, align);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

struct ChromatogramWindows::Window {
    ChromatogramWindows* owner = nullptr;
    HWND hwnd = nullptr;
    std::wstring path;
    CVeltarFile4 file;

    void Paint(HDC dc, const RECT& client) const;
    void PaintChannel(HDC dc, const ChromatogramChannel& channel, const TimeAxis& axis, RECT band,
                      COLORREF colour) const;
};

void ChromatogramWindows::Window::Paint(HDC dc, const RECT& client) const {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    GdiObject font(CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                               L"Tahoma"));
    Selection useFont(dc, font.Get());
    const TimeAxis axis = AxisOf(file);
    const int width = client.right - kLeft - kRight;
    const int height = client.bottom - kTop - kBottom;
    if (width < 50 || height < 50 || file.channels.empty()) return;

    Text(dc, kLeft, 10, file.passport.sample + L"   " + path, TA_LEFT | TA_TOP);
    const int count = static_cast<int>(file.channels.size());
    const int bandHeight = (height - kGap * (count - 1)) / count;
    for (int i = 0; i < count; ++i) {
        const RECT band{kLeft, kTop + i * (bandHeight + kGap), kLeft + width,
                        kTop + i * (bandHeight + kGap) + bandHeight};
        PaintChannel(dc, file.channels[static_cast<size_t>(i)], axis, band, kChannelColours[i % 4]);
    }
    const double step = TickStep(axis.end - axis.start);
    for (double t = std::ceil(axis.start / step) * step; t <= axis.end + 1e-9; t += step) {
        const int x = kLeft + static_cast<int>((t - axis.start) / (axis.end - axis.start) * width);
        MoveToEx(dc, x, client.bottom - kBottom, nullptr);
        LineTo(dc, x, client.bottom - kBottom + 5);
        wchar_t label[16];
        std::swprintf(label, 16, L"%g", t);
        Text(dc, x, client.bottom - kBottom + 7, label, TA_CENTER | TA_TOP);
    }
    Text(dc, kLeft + width, client.bottom - 16, L"Время, мин", TA_RIGHT | TA_TOP);
}

void ChromatogramWindows::Window::PaintChannel(HDC dc, const ChromatogramChannel& channel,
                                               const TimeAxis& axis, RECT band, COLORREF colour) const {
    GdiObject framePen(CreatePen(PS_SOLID, 1, RGB(160, 160, 160)));
    {
        Selection usePen(dc, framePen.Get());
        Selection noFill(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, band.left, band.top, band.right + 1, band.bottom + 1);
    }
    Text(dc, band.left - 8, band.top, L"Канал " + std::to_wstring(channel.number), TA_RIGHT | TA_TOP);
    if (channel.samples.empty()) return;
    const auto [low, high] = std::minmax_element(channel.samples.begin(), channel.samples.end());
    const double bottom = *low, range = std::max(1e-9, static_cast<double>(*high - *low));
    // Headroom above the tallest peak for the names.
    const int width = band.right - band.left, height = band.bottom - band.top - 52;
    const double rate = channel.headerValue1 > 0 ? channel.headerValue1 : 1;
    auto xOf = [&](double minutes) {
        return band.left + static_cast<int>((minutes - axis.start) / (axis.end - axis.start) * width);
    };
    auto yOf = [&](double value) {
        return band.bottom - 2 - static_cast<int>((value - bottom) / range * height);
    };

    GdiObject curvePen(CreatePen(PS_SOLID, 1, colour));
    Selection usePen(dc, curvePen.Get());
    // One vertical stroke per pixel column, from the column's lowest to its highest sample.
    const size_t n = channel.samples.size();
    for (int column = 0; column < width; ++column) {
        const double from = axis.start + (axis.end - axis.start) * column / width;
        const double to = axis.start + (axis.end - axis.start) * (column + 1) / width;
        const size_t first = static_cast<size_t>(std::max(0.0, (from - channel.headerValue2) * 60 * rate));
        const size_t last =
            std::min(n, static_cast<size_t>(std::max(0.0, (to - channel.headerValue2) * 60 * rate)) + 1);
        if (first >= last) continue;
        const auto [columnLow, columnHigh] =
            std::minmax_element(channel.samples.begin() + static_cast<long>(first),
                                channel.samples.begin() + static_cast<long>(last));
        MoveToEx(dc, band.left + column, yOf(*columnLow), nullptr);
        LineTo(dc, band.left + column, yOf(*columnHigh) - 1);
    }
    SetTextColor(dc, RGB(60, 60, 60));
    int row = 0;
    for (const PeakMark& mark : channel.peakMarks) {
        if (mark.name.empty()) continue;
        const int x = xOf(mark.time);
        const size_t at = std::min(
            n - 1, static_cast<size_t>(std::max(0.0, (mark.time - channel.headerValue2) * 60 * rate)));
        const int y = yOf(channel.samples[at]);
        const int labelTop = std::max(static_cast<int>(band.top) + 2, y - 28 - 14 * (row % 3));
        MoveToEx(dc, x, y - 4, nullptr);
        LineTo(dc, x, labelTop + 14);
        Text(dc, x + 2, labelTop, mark.name, TA_LEFT | TA_TOP);
        ++row;
    }
    SetTextColor(dc, RGB(0, 0, 0));
}

ChromatogramWindows::ChromatogramWindows() = default;

ChromatogramWindows::~ChromatogramWindows() {
    for (const auto& window : windows_) {
        SetWindowLongPtrW(window->hwnd, GWLP_USERDATA, 0);
        DestroyWindow(window->hwnd);
    }
}

bool ChromatogramWindows::Open(HWND owner, const std::wstring& path) {
    auto window = std::make_unique<Window>();
    if (window->file.Read(path) != 0) return false;
    window->owner = this;
    window->path = path;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly when already registered
    const size_t slash = path.find_last_of(L"\\/");
    const std::wstring title =
        L"Хроматограмма — " + (slash == std::wstring::npos ? path : path.substr(slash + 1));
    const int offset = 30 * static_cast<int>(windows_.size() % 8);
    window->hwnd =
        CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120 + offset,
                        90 + offset, 1100, 620, owner, nullptr, instance, window.get());
    if (window->hwnd == nullptr) return false;
    windows_.push_back(std::move(window));
    return true;
}

void ChromatogramWindows::Forget(Window* window) {
    windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                  [window](const auto& w) { return w.get() == window; }),
                   windows_.end());
}

LRESULT CALLBACK ChromatogramWindows::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(
            hwnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (window == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    return Firewall("chromatogram window", LRESULT{0}, [&]() -> LRESULT {
        switch (message) {
            case WM_PAINT: {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(hwnd, &paint);
                RECT client;
                GetClientRect(hwnd, &client);
                window->Paint(dc, client);
                EndPaint(hwnd, &paint);
                return 0;
            }
            case WM_SIZE:
                InvalidateRect(hwnd, nullptr, TRUE);
                return 0;
            case WM_ERASEBKGND:
                return 1;
            case WM_NCDESTROY:
                SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
                window->owner->Forget(window);  // deletes the window record
                return DefWindowProcW(hwnd, message, wParam, lParam);
            default:
                return DefWindowProcW(hwnd, message, wParam, lParam);
        }
    });
}
