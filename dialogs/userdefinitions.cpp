#include "dialogs/userdefinitions.h"

#include "dialogs/filters.h"
#include "text/cp932_codec.h"

namespace {

std::string MaskOrAll(const std::string& typed) {
    return typed.empty() ? std::string("*.*") : NormaliseMask(typed);
}

std::string NameOr(const std::string& typed, const char* utf8Default) {
    return typed.empty() ? text::Utf8ToCp932(utf8Default) : typed;
}

} // namespace

UserDefinitions AcceptedDefinitions(const UserDefinitions& typed) {
    return {NameOr(typed.name1, "ﾕｰｻﾞ定義1"), MaskOrAll(typed.mask1),
            NameOr(typed.name2, "ﾕｰｻﾞ定義2"), MaskOrAll(typed.mask2)};
}
