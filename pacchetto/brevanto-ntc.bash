# bash completion for brevanto-ntc. The command itself says what may come next
# (--completamento), from the tables it reads its own arguments with.
_brevanto_ntc() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]} parole
    COMPREPLY=()
    if [ "$COMP_CWORD" -eq 1 ]; then
        parole=$("${COMP_WORDS[0]}" --completamento 2>/dev/null) || return
    else
        parole=$("${COMP_WORDS[0]}" --completamento "${COMP_WORDS[1]}" "$prev" 2>/dev/null) ||
            return
    fi
    if [ "$parole" = @file ]; then
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
    fi
    # Options are offered once a "-" is typed; a fixed word list at once.
    if [ "$COMP_CWORD" -gt 1 ] && [[ $parole == --* && $cur != -* ]]; then
        return
    fi
    mapfile -t COMPREPLY < <(compgen -W "$parole" -- "$cur")
}
complete -F _brevanto_ntc brevanto-ntc
