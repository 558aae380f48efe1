#include "core/store/StagedFiles.h"

namespace tavolim::core {

std::filesystem::path StagedFiles::temporaryFor(const std::filesystem::path& file)
{
    std::filesystem::path temp = file;
    temp.replace_extension(".tmp");
    return temp;
}

void StagedFiles::fail(const std::filesystem::path& file)
{
    // The operator knows the file by its own name, not by its temporary's.
    m_failure = binaryfile::Failure{file, binaryfile::lastFailure().error};
}

bool StagedFiles::stage(const std::filesystem::path& file, std::span<const std::uint8_t> bytes)
{
    if (m_failure) {
        return false;
    }
    const auto temp = temporaryFor(file);
    binaryfile::clearFailure();
    if (!binaryfile::writeNew(temp, bytes) || !binaryfile::sync(temp)) {
        fail(file);
        binaryfile::remove(temp);
        discard();
        return false;
    }
    m_staged.push_back(file);
    return true;
}

bool StagedFiles::commit()
{
    if (m_failure) {
        return false;
    }
    for (std::size_t i = 0; i < m_staged.size(); ++i) {
        binaryfile::clearFailure();
        if (!binaryfile::replace(temporaryFor(m_staged[i]), m_staged[i])) {
            fail(m_staged[i]);
            m_staged.clear();
            return false;
        }
    }
    m_staged.clear();
    return true;
}

void StagedFiles::discard()
{
    for (const auto& file : m_staged) {
        binaryfile::remove(temporaryFor(file));
    }
    m_staged.clear();
}

std::string StagedFiles::failureMessage() const
{
    return m_failure ? binaryfile::failureMessage(*m_failure) : std::string();
}

} // namespace tavolim::core
