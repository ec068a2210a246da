#include "Class/UI/Base/View/TextLanguages.h"

#include "Class/Model/UserDefaultsValues.h"

namespace tolvane::app {

std::vector<std::string> textLanguages()
{
    return {UserDefaultsValues::localizedString()};
}

} // namespace tolvane::app
