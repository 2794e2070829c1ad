#include "document/SkinElement.h"

namespace {

template <std::size_t I> SkinElement::Record MakeRecordAt(std::size_t index) {
    if constexpr (I < std::variant_size_v<SkinElement::Record>) {
        if (index == I)
            return SkinElement::Record(std::in_place_index<I>);
        return MakeRecordAt<I + 1>(index);
    } else {
        return {};
    }
}

} // namespace

SkinElement SkinElement::Make(ElementKind kind) {
    SkinElement e;
    const int k = static_cast<int>(kind);
    if (k >= 1 && k < static_cast<int>(std::variant_size_v<Record>))
        e.record = MakeRecordAt<0>(static_cast<std::size_t>(k));
    return e;
}

DrawableCommon* SkinElement::Common() {
    return std::visit(
        [](auto& r) -> DrawableCommon* {
            if constexpr (std::is_base_of_v<DrawableCommon, std::decay_t<decltype(r)>>)
                return &r;
            else
                return nullptr;
        },
        record);
}

const DrawableCommon* SkinElement::Common() const {
    return const_cast<SkinElement*>(this)->Common();
}

QString SkinElement::Name() const {
    return std::visit(
        [](const auto& r) -> QString {
            if constexpr (std::is_same_v<std::decay_t<decltype(r)>, std::monostate>)
                return {};
            else
                return r.name;
        },
        record);
}

void SkinElement::SetName(const QString& name) {
    std::visit(
        [&](auto& r) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(r)>, std::monostate>)
                r.name = name;
        },
        record);
}

void SkinElement::ResetRecord() {
    std::visit(
        [](auto& r) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(r)>, std::monostate>)
                r.Reset();
        },
        record);
}
