# Bash completion of velmar-cli: the commands, the words of dict and archive, and each
# command's options, all read from the program's own help so they follow its version.

_velmar_cli() {
  local current=${COMP_WORDS[COMP_CWORD]}
  local program=${COMP_WORDS[0]}
  if [ "$COMP_CWORD" -eq 1 ]; then
    local commands
    commands=$("$program" --help 2>/dev/null | sed -n '/^Commands:/,/^$/s/^  \([a-z-]*\) .*/\1/p')
    mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$current")
    return
  fi
  local command=${COMP_WORDS[1]}
  local usage
  usage=$("$program" "$command" --help 2>/dev/null) || return
  if [ "$COMP_CWORD" -eq 2 ] && [[ $current != -* ]]; then
    # The first words of a command with actions of its own: "dict build", "archive add".
    local actions
    actions=$(printf '%s\n' "$usage" | sed -n "s/^\(Usage: \)\{0,1\} *velmar-cli $command \([a-z]\{1,\}\) .*/\2/p")
    if [ -n "$actions" ]; then
      mapfile -t COMPREPLY < <(compgen -W "$actions" -- "$current")
      return
    fi
  fi
  if [[ $current == -* ]]; then
    local options
    options=$(printf '%s\n' "$usage" | grep -o -- '--[a-z][a-z-]*' | sort -u)
    mapfile -t COMPREPLY < <(compgen -W "$options --help" -- "$current")
    return
  fi
  mapfile -t COMPREPLY < <(compgen -f -- "$current")
}

complete -o filenames -F _velmar_cli velmar-cli
