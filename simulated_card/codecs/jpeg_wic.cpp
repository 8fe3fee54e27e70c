// JPEG decoding through the platform's imaging component (WIC), which reads
// baseline and progressive files in every sampling. (Encoding is our own:
// the component under Wine ignores the quality and subsampling options.)
#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

#include <algorithm>

#include "format_codecs.h"

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

}  // namespace

bool jpegCodecAvailable() { return true; }

Picture decodeJpeg(const std::uint8_t* data, std::size_t size, const DecodeLimits& limits) {
  PictureInfo info = identifyJpeg(data, size);
  checkDimensions(info.width, info.height, limits);
  if (size > 0xFFFFFFFFu) failCodec("the JPEG file is too large");
  ComScope com;
  ComRef<IWICImagingFactory> factory;
  createFactory(factory);
  ComRef<IWICStream> stream;
  check(factory->CreateStream(stream.out()), "creating a stream");
  check(stream->InitializeFromMemory(const_cast<BYTE*>(data), DWORD(size)), "reading the JPEG data");
  ComRef<IWICBitmapDecoder> decoder;
  check(factory->CreateDecoder(GUID_ContainerFormatJpeg, nullptr, decoder.out()), "creating the JPEG decoder");
  check(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand), "reading the JPEG header");
  ComRef<IWICBitmapFrameDecode> frame;
  check(decoder->GetFrame(0, frame.out()), "reading the JPEG frame");
  UINT w = 0, h = 0;
  check(frame->GetSize(&w, &h), "reading the JPEG size");
  checkDimensions(w, h, limits);
  Picture pic{int(w), int(h)};
  WICPixelFormatGUID format{};
  check(frame->GetPixelFormat(&format), "reading the JPEG pixel format");
  if (format == GUID_WICPixelFormat8bppGray) {
    // Grey levels are spread to three channels here: not every version of
    // the component converts grey to 24-bit.
    std::vector<std::uint8_t> gray(std::size_t(w) * h);
    check(frame->CopyPixels(nullptr, w, UINT(gray.size()), gray.data()), "decoding the JPEG pixels");
    for (std::size_t i = 0; i < gray.size(); ++i) pic.bgr[3 * i] = pic.bgr[3 * i + 1] = pic.bgr[3 * i + 2] = gray[i];
    return pic;
  }
  ComRef<IWICBitmapSource> bgr;
  check(WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, frame.get(), bgr.out()), "converting the JPEG pixels");
  check(bgr->CopyPixels(nullptr, w * 3, UINT(pic.bgr.size()), pic.bgr.data()), "decoding the JPEG pixels");
  return pic;
}

}  // namespace kx::codecs
