#include "workspace/logic/installed_bases_viewer_logic.h"

#include "foundation/text.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"

#include <algorithm>

namespace pf {

namespace {

void InsertSorted(std::vector<std::string>& list, const std::string& text) {
    list.insert(std::upper_bound(list.begin(), list.end(), text, NameBefore), text);
}

int FindNoCase(const std::vector<std::string>& list, const std::string& text) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (CStringEqualsNoCase(list[i], text))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

void InstalledBasesViewerLogic::OnInitDialog() {
    // Empty when nothing is stored or the stored folder is gone.
    std::string root;
    GetAstrelPath(root);
    FillInstallations(root);
}

void InstalledBasesViewerLogic::FillInstallations(const std::string& root) {
    roots.clear();
    rootSelection = -1;
    bases.clear();
    baseSelection = -1;
    files.clear();
    FileManager::Instance().GetInstallations(installations_);
    enabled = !installations_.empty();
    if (!enabled)
        return;
    for (const Astrel2010& installation : installations_)
        InsertSorted(roots, installation.root);
    int index = FindNoCase(roots, root);
    if (index < 0) {
        InsertSorted(roots, root);
        index = FindNoCase(roots, root);
    }
    SelectInstallation(index);
}

void InstalledBasesViewerLogic::SelectInstallation(int index) {
    bases.clear();
    baseSelection = -1;
    files.clear();
    if (index < 0 || index >= static_cast<int>(roots.size()))
        return;
    rootSelection = index;
    const std::string& text = roots[static_cast<size_t>(index)];
    for (const Astrel2010& installation : installations_) {
        if (CStringEqualsNoCase(installation.root, text)) {
            for (const BaseFileList& base : installation.bases)
                InsertSorted(bases, base.name);
            return;
        }
    }
}

void InstalledBasesViewerLogic::OnInstallationChanged(int index) {
    if (index >= 0)
        SelectInstallation(index);
}

void InstalledBasesViewerLogic::OnBaseChanged(int index) {
    baseSelection = index >= 0 && index < static_cast<int>(bases.size()) ? index : -1;
    if (rootSelection < 0 || baseSelection < 0)
        return;
    const std::string& root = roots[static_cast<size_t>(rootSelection)];
    const std::string& name = bases[static_cast<size_t>(baseSelection)];
    files.clear();
    // Roots that differ only in case each have an installation: the files come from the
    // first that holds the base.
    BaseFileList record;
    for (const Astrel2010& installation : installations_) {
        if (CStringEqualsNoCase(installation.root, root) &&
            installation.GetBaseFiles(record, name)) {
            files = record.files;
            return;
        }
    }
}

void InstalledBasesViewerLogic::OnRemoveBase() {
    if (rootSelection < 0 || baseSelection < 0)
        return;
    const std::string root = roots[static_cast<size_t>(rootSelection)];
    const std::string name = bases[static_cast<size_t>(baseSelection)];
    FileManager::Instance().UninstallBase(root, name);
    FillInstallations(root);
}

} // namespace pf
