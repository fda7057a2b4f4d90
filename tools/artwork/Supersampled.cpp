#include "Supersampled.h"

namespace artwork
{

Supersampled::Supersampled(int w, int h)
    : width(w), height(h),
      hiRes(juce::Image::ARGB, w * scale, h * scale, true, juce::SoftwareImageType())
{
}

Supersampled::Supersampled(const Supersampled& other)
    : width(other.width), height(other.height), hiRes(other.hiRes.createCopy())
{
}

Supersampled& Supersampled::operator=(const Supersampled& other)
{
    width = other.width;
    height = other.height;
    hiRes = other.hiRes.createCopy();
    return *this;
}

Supersampled Supersampled::crop(juce::Rectangle<int> area) const
{
    Supersampled copy(area.getWidth(), area.getHeight());
    copy.hiRes = hiRes.getClippedImage(area * scale).createCopy();
    return copy;
}

void Supersampled::paint(const std::function<void(juce::Graphics&)>& painter)
{
    juce::Graphics g(hiRes);
    g.addTransform(juce::AffineTransform::scale((float)scale));
    painter(g);
}

void Supersampled::paintOver(const Supersampled& other, juce::Point<int> at)
{
    juce::Graphics g(hiRes);
    g.drawImageAt(other.hiRes, at.x * scale, at.y * scale);
}

juce::Image Supersampled::downsample(juce::Image::PixelFormat format) const
{
    juce::Image out(format, width, height, true, juce::SoftwareImageType());
    const juce::Image::BitmapData src(hiRes, juce::Image::BitmapData::readOnly);
    juce::Image::BitmapData dst(out, juce::Image::BitmapData::writeOnly);
    constexpr juce::uint32 count = scale * scale;

    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            juce::uint32 a = 0, r = 0, g = 0, b = 0;
            for (int dy = 0; dy < scale; ++dy)
            {
                auto* row = reinterpret_cast<const juce::PixelARGB*>(
                    src.getPixelPointer(x * scale, y * scale + dy));
                for (int dx = 0; dx < scale; ++dx)
                {
                    a += row[dx].getAlpha();
                    r += row[dx].getRed();
                    g += row[dx].getGreen();
                    b += row[dx].getBlue();
                }
            }
            auto average = [](juce::uint32 sum)
            { return (juce::uint8)((sum + count / 2) / count); };
            auto* pixel = dst.getPixelPointer(x, y);
            if (format == juce::Image::ARGB)
                reinterpret_cast<juce::PixelARGB*>(pixel)->setARGB(average(a), average(r),
                                                                   average(g), average(b));
            else
                reinterpret_cast<juce::PixelRGB*>(pixel)->setARGB(255, average(r), average(g),
                                                                  average(b));
        }
    }
    return out;
}

juce::Image stackFrames(const std::vector<juce::Image>& frames)
{
    jassert(!frames.empty());
    const auto& first = frames.front();
    const int frameHeight = first.getHeight();
    juce::Image strip(first.getFormat(), first.getWidth(), frameHeight * (int)frames.size(), true,
                      juce::SoftwareImageType());
    juce::Image::BitmapData dst(strip, juce::Image::BitmapData::writeOnly);
    for (size_t i = 0; i < frames.size(); ++i)
    {
        const juce::Image::BitmapData src(frames[i], juce::Image::BitmapData::readOnly);
        for (int y = 0; y < frameHeight; ++y)
            std::memcpy(dst.getLinePointer((int)i * frameHeight + y), src.getLinePointer(y),
                        (size_t)(src.width * src.pixelStride));
    }
    return strip;
}

} // namespace artwork
