#include "Image.h"

#include "Dpi.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string_view>

namespace {
struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};

template <class Interface>
using ComPtr = std::unique_ptr<Interface, ComRelease>;

// COM for the time of one decoding; the picture decoders need it.
class ComApartment {
public:
    ComApartment() : initialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment()
    {
        if (initialized)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized;
};

std::string_view ResourceBytes(int resourceId)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(resourceId), RT_RCDATA);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return {static_cast<const char*>(bytes), SizeofResource(module, resource)};
}

// A stream over a copy of BYTES, which the stream allocates and frees itself.
ComPtr<IStream> MemoryStream(std::string_view bytes)
{
    IStream* created = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &created)))
        return nullptr;
    ComPtr<IStream> stream(created);
    const LARGE_INTEGER start{};
    if (FAILED(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr)) ||
        FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)))
        return nullptr;
    return stream;
}

ComPtr<IPicture> DecodePicture(std::string_view bytes)
{
    ComPtr<IStream> stream = MemoryStream(bytes);
    void* picture = nullptr;
    if (!stream || FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture, &picture)))
        return nullptr;
    return ComPtr<IPicture>(static_cast<IPicture*>(picture));
}

// 24 bits per pixel: a static control shows a bitmap without alpha as it is, while it would
// keep a copy of its own of one with alpha.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): width, height: GDI's order
GdiObject<HBITMAP> CreateScreenBitmap(HDC screen, int width, int height)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    return GdiObject<HBITMAP>(CreateDIBSection(screen, &format, DIB_RGB_COLORS, &pixels, nullptr, 0));
}

GdiObject<HBITMAP> RenderStretched(IPicture& picture, int width, int height)
{
    OLE_XSIZE_HIMETRIC pictureWidth = 0;
    OLE_YSIZE_HIMETRIC pictureHeight = 0;
    picture.get_Width(&pictureWidth);
    picture.get_Height(&pictureHeight);
    WindowDc screen(nullptr);
    GdiObject<HBITMAP> bitmap = CreateScreenBitmap(screen.Get(), width, height);
    if (!bitmap.Get())
        return bitmap;
    MemoryDc memory(screen.Get());
    SelectedObject target(memory.Get(), bitmap.Get());
    SetStretchBltMode(memory.Get(), HALFTONE);
    SetBrushOrgEx(memory.Get(), 0, 0, nullptr);
    // HIMETRIC runs upwards: the source starts at the picture's top.
    if (FAILED(
            picture.Render(memory.Get(), 0, 0, width, height, 0, pictureHeight, pictureWidth, -pictureHeight, nullptr)))
        return GdiObject<HBITMAP>();
    return bitmap;
}
}

// cppcheck-suppress passedByValue ; four ints, copied once as the control is made
TImage::TImage(TWinControl& parent, TBounds bounds) : width(ScaleToDpi(bounds.Width)), height(ScaleToDpi(bounds.Height))
{
    // SS_BITMAP sizes the control to its bitmap, which is rendered at the box's size. (Wine
    // draws SS_REALSIZECONTROL stretched wrongly.)
    CreateChild(parent, "STATIC", "", SS_BITMAP, 0, bounds);
}

TImage::~TImage()
{
    DestroyHandle(); // before the bitmap it shows goes
}

bool TImage::LoadJpegResource(int resourceId)
{
    const std::string_view bytes = ResourceBytes(resourceId);
    if (bytes.empty())
        return false;
    GdiObject<HBITMAP> rendered;
    {
        ComApartment apartment;
        ComPtr<IPicture> picture = DecodePicture(bytes);
        if (!picture)
            return false;
        rendered = RenderStretched(*picture, width, height);
    }
    if (!rendered.Get())
        return false;
    SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(rendered.Get()));
    bitmap = std::move(rendered);
    return true;
}
