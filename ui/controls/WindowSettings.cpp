#include "ui/controls/WindowSettings.h"

#include "ui/controls/Controls.h"
#include "ui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <string>

namespace marulo {

namespace {

std::string TextOf(const QComboBox* box)
{
    return box->currentText().toStdString();
}
std::string TextOf(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

ChannelMode ReadChannelMode(const Controls& ui)
{
    const std::pair<QRadioButton*, ChannelMode> buttons[] = {
        {ui.RB1(), ChannelMode::Mono},
        {ui.RB2(), ChannelMode::Stereo},
        {ui.RB3(), ChannelMode::DualChannel},
        {ui.RB4(), ChannelMode::JointStereo},
    };
    for (const auto& [button, channel] : buttons) {
        if (button->isChecked())
            return channel;
    }
    return ChannelMode::JointStereo;
}

} // namespace

EncodeMode ReadEncodeMode(const Controls& ui)
{
    const int index = ui.RG1()->itemIndex();
    if (index < 0 || index >= EncodeModeCount)
        return EncodeMode::Wav;
    return static_cast<EncodeMode>(index);
}

EncoderSettings ReadEncoderSettings(const Controls& ui)
{
    EncoderSettings settings;
    settings.mode = ReadEncodeMode(ui);
    settings.channelMode = ReadChannelMode(ui);
    settings.bitrate = TextOf(ui.ComB1());
    settings.maxBitrate = TextOf(ui.ComB2());
    settings.minBitrate = TextOf(ui.ComB3());
    settings.quality = TextOf(ui.E4());
    settings.vbrQuality = TextOf(ui.E3());
    settings.oggQuality = TextOf(ui.ComB6());
    settings.aacPreset = TextOf(ui.ComB4());
    settings.compression = TextOf(ui.E2());
    settings.normalizeLevel = TextOf(ui.E1());
    settings.abr = ui.CB3()->isChecked();
    settings.vbr = ui.CB2()->isChecked();
    settings.newVbr = ui.CB1()->isChecked();
    settings.errorProtection = ui.CB5()->isChecked();
    settings.bitrateRange = ui.CB8()->isChecked();
    settings.downmix = ui.CB9()->isChecked();
    return settings;
}

} // namespace marulo
