#include "calculator/procedures/headless_calculator.h"

namespace vkp2 {

HeadlessCalculator::HeadlessCalculator(MessageBoxes *messages, const HandlerDecorator &decorate)
{
    for (const BoxInfo &info : kBoxes) {
        HeadlessField &box = boxes_[indexOf(info.id)];
        box.setEnabled(info.initiallyEnabled);
        box.setText(QLatin1String(info.initialText.data(), qsizetype(info.initialText.size())));
        controls_.boxes[indexOf(info.id)] = &box;
    }
    for (std::size_t i = 0; i < kListCount; ++i)
        controls_.lists[i] = &lists_[i];
    calculator_ = std::make_unique<Calculator>(controls_, messages ? *messages : collected_);

    const auto bind = [this, &decorate](std::string_view name) {
        const Calculator::Procedure procedure = Calculator::handlerOf(name);
        Handler handler([this, procedure] { (calculator_.get()->*procedure)(); });
        return decorate ? decorate(name, std::move(handler)) : handler;
    };
    for (const BoxInfo &info : kBoxes) {
        if (Calculator::handlerOf(info.name))
            boxes_[indexOf(info.id)].onChange(bind(info.name));
    }
    for (std::size_t i = 0; i < kListCount; ++i)
        lists_[i].onChoose(bind(kListNames[i]));
}

void HeadlessCalculator::start(const UserData &userData) { calculator_->Start(userData); }

HeadlessField *HeadlessCalculator::field(std::string_view name)
{
    const auto box = boxNamed(name);
    return box ? &boxes_[indexOf(*box)] : nullptr;
}

HeadlessList *HeadlessCalculator::list(std::string_view name)
{
    for (std::size_t i = 0; i < kListCount; ++i) {
        if (kListNames[i] == name)
            return &lists_[i];
    }
    return nullptr;
}

} // namespace vkp2
