// Decoding through the platform's imaging component (WIC): JPEG (baseline and
// progressive, every sampling) and the TIFF variants our own reader leaves to
// it. (JPEG encoding is our own: the component under Wine ignores the quality
// and subsampling options.)
#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

#include <algorithm>

#include "format_codecs.h"
#include "platform_decoder.h"

namespace kx::codecs {
namespace {

// Owns one COM interface pointer.
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() { if (p_) p_->Release(); }
  T** out() { return &p_; }
  T* operator->() const { return p_; }
  T* get() const { return p_; }

 private:
  T* p_ = nullptr;
};

void check(HRESULT hr, const char* what) {
  if (FAILED(hr)) {
    char text[96];
    wsprintfA(text, "%s failed (0x%08lX)", what, static_cast<unsigned long>(hr));
    failCodec(text);
  }
}

// COM for the calling thread for the duration of one codec call; a thread
// already in another apartment keeps it.
class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() { if (SUCCEEDED(hr_)) CoUninitialize(); }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT hr_;
};

void createFactory(ComRef<IWICImagingFactory>& factory) {
  check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                         reinterpret_cast<void**>(factory.out())),
        "creating the imaging factory");
}

// The frame's pixels as blue, green, red. Grey levels are spread to three
// channels here (not every version of the component converts grey to
// 24-bit); any other format goes through the component's converter, to
// 24-bit directly or, where that conversion is missing, through 32-bit.
void copyBgr(IWICBitmapSource* frame, UINT w, UINT h, Picture& pic) {
  WICPixelFormatGUID format{};
  check(frame->GetPixelFormat(&format), "reading the pixel format");
  if (format == GUID_WICPixelFormat8bppGray) {
    std::vector<std::uint8_t> gray(std::size_t(w) * h);
    check(frame->CopyPixels(nullptr, w, UINT(gray.size()), gray.data()), "decoding the pixels");
    for (std::size_t i = 0; i < gray.size(); ++i) pic.bgr[3 * i] = pic.bgr[3 * i + 1] = pic.bgr[3 * i + 2] = gray[i];
    return;
  }
  ComRef<IWICBitmapSource> bgr;
  if (SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, frame, bgr.out())) &&
      SUCCEEDED(bgr->CopyPixels(nullptr, w * 3, UINT(pic.bgr.size()), pic.bgr.data())))
    return;
  ComRef<IWICBitmapSource> bgra;
  check(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame, bgra.out()), "converting the pixels");
  std::vector<std::uint8_t> wide(std::size_t(w) * h * 4);
  check(bgra->CopyPixels(nullptr, w * 4, UINT(wide.size()), wide.data()), "decoding the pixels");
  for (std::size_t i = 0, n = std::size_t(w) * h; i < n; ++i) std::memcpy(&pic.bgr[3 * i], &wide[4 * i], 3);
}

}  // namespace

bool platformDecoderAvailable() { return true; }

Picture decodeOnPlatform(PlatformFormat kind, const std::uint8_t* data, std::size_t size, const DecodeLimits& limits) {
  if (size > 0xFFFFFFFFu) failCodec("the file is too large");
  ComScope com;
  ComRef<IWICImagingFactory> factory;
  createFactory(factory);
  ComRef<IWICStream> stream;
  check(factory->CreateStream(stream.out()), "creating a stream");
  check(stream->InitializeFromMemory(const_cast<BYTE*>(data), DWORD(size)), "reading the file data");
  const GUID& container = kind == PlatformFormat::Jpeg ? GUID_ContainerFormatJpeg : GUID_ContainerFormatTiff;
  ComRef<IWICBitmapDecoder> decoder;
  check(factory->CreateDecoder(container, nullptr, decoder.out()), "creating the decoder");
  check(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand), "reading the header");
  ComRef<IWICBitmapFrameDecode> frame;
  check(decoder->GetFrame(0, frame.out()), "reading the first frame");
  UINT w = 0, h = 0;
  check(frame->GetSize(&w, &h), "reading the picture size");
  checkDimensions(w, h, limits);
  Picture pic{int(w), int(h)};
  copyBgr(frame.get(), w, h, pic);
  return pic;
}

}  // namespace kx::codecs
