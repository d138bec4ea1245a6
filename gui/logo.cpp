// The organisation's mark for the main window's picture: a north arrow over a
// scale bar on a drawing sheet, drawn in the banner colour.
#include <QByteArray>

namespace trv::gui {

QByteArray logoSvg() {
    return QByteArrayLiteral(
        R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 80 120" width="80" height="120">
  <rect x="3" y="3" width="74" height="114" rx="5" fill="#f5f7fa" stroke="#1f3a5f" stroke-width="2"/>
  <path d="M35 11 V23 M35 11 L45 23 M45 11 V23" fill="none" stroke="#1f3a5f" stroke-width="2.6"
        stroke-linecap="round" stroke-linejoin="round"/>
  <circle cx="40" cy="57" r="23" fill="none" stroke="#1f3a5f" stroke-width="2"/>
  <circle cx="40" cy="57" r="17" fill="none" stroke="#9fb3c8" stroke-width="1"/>
  <polygon points="40,29 51,73 40,64" fill="#1f3a5f"/>
  <polygon points="40,29 29,73 40,64" fill="#ffffff" stroke="#1f3a5f" stroke-width="1.6"
           stroke-linejoin="round"/>
  <rect x="13" y="91" width="54" height="7" fill="#ffffff" stroke="#1f3a5f" stroke-width="1.5"/>
  <rect x="13" y="91" width="13.5" height="7" fill="#1f3a5f"/>
  <rect x="40" y="91" width="13.5" height="7" fill="#1f3a5f"/>
  <path d="M13 104 V108 M40 104 V108 M67 104 V108 M13 106 H67" fill="none" stroke="#1f3a5f"
        stroke-width="1.2"/>
</svg>
)svg");
}

}  // namespace trv::gui
