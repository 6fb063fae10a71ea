#include "calculator/procedures/headless_calculator.h"

namespace vkp2 {

HeadlessCalculator::HeadlessCalculator(MessageBoxes *messages, const HandlerDecorator &decorate)
    : controls_{Flength,          Aperture,         Fratio,         Distance_tl,
                Distance_d,       efl,              efr,            Pixelsize_width,
                Pixelsize_height, Chipsize_width,   Chipsize_height, Fov_width,
                Fov_height,       Pixelscale_width, Pixelscale_height, Telescope,
                Ocular,           Ccd,              Binning},
      calculator_(std::make_unique<Calculator>(controls_, messages ? *messages : collected_))
{
    const auto bind = [this, &decorate](const char *name) {
        const Calculator::Procedure procedure = Calculator::handlerOf(name);
        Handler handler([this, procedure] { (calculator_.get()->*procedure)(); });
        return decorate ? decorate(name, std::move(handler)) : handler;
    };
    for (const char *name : kBoxNames) {
        if (Calculator::handlerOf(name))
            field(name)->onChange(bind(name));
    }
    for (const char *name : {"Telescope", "Ocular", "Ccd", "Binning"})
        list(name)->onChoose(bind(name));
}

void HeadlessCalculator::start(const UserData &userData) { calculator_->Start(userData); }

HeadlessField *HeadlessCalculator::field(std::string_view name)
{
    HeadlessField *fields[] = {&Flength,          &Aperture,         &Fratio,
                               &Distance_tl,      &Distance_d,       &efl,
                               &efr,              &Pixelsize_width,  &Pixelsize_height,
                               &Chipsize_width,   &Chipsize_height,  &Fov_width,
                               &Fov_height,       &Pixelscale_width, &Pixelscale_height};
    for (std::size_t i = 0; i < kBoxNames.size(); ++i) {
        if (name == kBoxNames[i])
            return fields[i];
    }
    return nullptr;
}

HeadlessList *HeadlessCalculator::list(std::string_view name)
{
    if (name == "Telescope")
        return &Telescope;
    if (name == "Ocular")
        return &Ocular;
    if (name == "Ccd")
        return &Ccd;
    if (name == "Binning")
        return &Binning;
    return nullptr;
}

} // namespace vkp2
