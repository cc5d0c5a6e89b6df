#include "chart_png.h"

#include <memory>
#include <vector>

#include "gdiplus_session.h"

namespace belvik::win32 {
namespace {

// GDI+'s PNG encoder.
bool PngEncoder(CLSID& encoder) {
  UINT count = 0;
  UINT size = 0;
  Gdiplus::GetImageEncodersSize(&count, &size);
  std::vector<BYTE> buffer(size);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (size == 0 || Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok) return false;
  for (UINT k = 0; k < count; ++k) {
    if (std::wstring_view(encoders[k].MimeType) == L"image/png") {
      encoder = encoders[k].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string ChartPng(const ChartView& chart) {
  RECT client{};
  GetClientRect(chart.handle(), &client);
  HDC screen = GetDC(chart.handle());
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  ReleaseDC(chart.handle(), screen);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  chart.Render(memory, client.right, client.bottom);
  SelectObject(memory, previous);
  DeleteDC(memory);

  std::string png;
  CLSID encoder{};
  IStream* stream = nullptr;
  if (PngEncoder(encoder) && SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) {
    const std::unique_ptr<Gdiplus::Bitmap> picture(Gdiplus::Bitmap::FromHBITMAP(bitmap, nullptr));
    STATSTG status{};
    HGLOBAL memoryBlock = nullptr;
    if (picture->Save(stream, &encoder, nullptr) == Gdiplus::Ok &&
        SUCCEEDED(stream->Stat(&status, STATFLAG_NONAME)) &&
        SUCCEEDED(GetHGlobalFromStream(stream, &memoryBlock))) {
      png.assign(static_cast<const char*>(GlobalLock(memoryBlock)), status.cbSize.QuadPart);
      GlobalUnlock(memoryBlock);
    }
    stream->Release();
  }
  DeleteObject(bitmap);
  return png;
}

}  // namespace belvik::win32
