// The icon list component: equally sized icons in an image list, saved and loaded as a stream or
// a file, compared, and shown one after another in a tray icon, on a timer if asked.
#pragma once
#include "components/component.h"
#include "components/sx_tray_icon.h"
#include "ui/icon_strip.h"
#include "ui/timer.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

namespace components {

// How an icon is drawn when it is taken out of the list.
enum TSxIconDrawStyle { ildBlend25, ildFocus, ildBlend50, ildSelected, ildBlend, ildMask, ildNormal, ildTransparent };

class TSxIconList : public TComponent {
public:
    using TSxIconListChange = std::function<void(TSxIconList& sender)>;
    using TNotifyEvent = std::function<void(TSxIconList& sender)>;

    // The "no colour" value, passed on to the image list unchanged.
    static constexpr COLORREF kNoColor = 536870911;
    static constexpr std::int32_t kDefaultSize = 16;

    TSxIconList();
    ~TSxIconList() override;

    // The size of the icons: an existing image list's own size, else the size the next one gets.
    std::int32_t Width();
    void SetWidth(std::int32_t width) { width_ = width; }
    std::int32_t Height();
    void SetHeight(std::int32_t height) { height_ = height; }
    TSxTrayIcon* TrayIcon() const { return trayIcon_; }
    void SetTrayIcon(TSxTrayIcon* trayIcon);
    // Stored and read back only; the animation ticks once a second.
    std::int32_t Interval() const { return interval_; }
    void SetInterval(std::int32_t interval) { interval_ = interval; }
    bool Animated() const;
    void SetAnimated(bool animated);
    std::int32_t IconIndex() const { return iconIndex_; }
    void SetIconIndex(std::int32_t index);
    TSxIconDrawStyle DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(TSxIconDrawStyle style);
    COLORREF BkColor();
    void SetBkColor(COLORREF color);

    TSxIconListChange OnChange;
    TNotifyEvent OnAnimate;

    // Design mode keeps `Animated` as a plain value; while loading, the host applies its stored
    // properties and an `IconIndex` write leaves the tray icon alone.
    void SetDesigning(bool designing) { designing_ = designing; }
    void SetLoading(bool loading) { loading_ = loading; }

    void CreateHandle();
    HIMAGELIST Handle();
    bool HandleAllocated() const { return list_ != nullptr; }
    void DestroyHandle() { list_.reset(); }
    std::int32_t Count();

    virtual void Change();
    virtual void NextIcon();
    virtual void UpdateTrayIcon();
    // Replaces the icons with those read from the stream's position on: the platform's own
    // image-list stream, or two BMP strips cut by the current Width. A stream holding neither
    // raises "Bitmap image is not valid" and leaves no image list.
    virtual void LoadFromStream(std::istream& stream);
    virtual void SaveToStream(std::ostream& stream);
    virtual void LoadFromFile(const std::wstring& fileName);
    // The new file replaces an existing one only once it is whole.
    virtual void SaveToFile(const std::wstring& fileName);

    bool SameIcons(TSxIconList* other);
    // Takes a copy of another icon list's icons; any other component changes nothing.
    void Assign(TComponent& source);

    // The stored property "Icons": whether a design stores it, given the inherited design's
    // counterpart when the design is stored against one; and its value written and read.
    bool StoresIcons(bool inherited, TComponent* counterpart);
    void WriteIcons(std::ostream& stream);
    void ReadIcons(std::istream& stream);

    const ui::Timer* AnimationTimer() const { return timer_.get(); }

protected:
    void Notification(TComponent& component) override;

private:
    void AnimationTick();

    std::int32_t width_ = kDefaultSize;
    std::int32_t height_ = kDefaultSize;
    ui::ImageListHandle list_;
    TSxTrayIcon* trayIcon_ = nullptr;
    std::unique_ptr<ui::Timer> timer_;
    std::int32_t iconIndex_ = 0;
    TSxIconDrawStyle drawStyle_ = ildNormal;
    COLORREF bkColor_ = kNoColor;
    bool designAnimated_ = false;
    std::int32_t interval_ = 0;
    bool designing_ = false;
    bool loading_ = false;
};

}
