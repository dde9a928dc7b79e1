# bash completion for brevanto-ntc: subcommands, each one's options, and the fixed words
# some options take.
_brevanto_ntc() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local modello='--r0 --beta --t0 --sh --esteso --rif --tabella --file'
    local partitore='--partitore --verso --vref --bit'
    local opzioni
    COMPREPLY=()
    if [ "$COMP_CWORD" -eq 1 ]; then
        mapfile -t COMPREPLY < <(compgen -W 'temperatura resistenza adatta beta tabella
            tolleranza partitore autoriscaldamento --help --version' -- "$cur")
        return
    fi
    case $prev in
    --tabella | --file | --salva)
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    --formato) opzioni='csv json c marlin klipper esphome' ;;
    --modello) opzioni='beta steinhart-hart esteso' ;;
    --verso) opzioni='massa alimentazione' ;;
    *)
        case ${COMP_WORDS[1]} in
        temperatura | resistenza) opzioni="$modello --json" ;;
        adatta) opzioni='--modello --punti --tabella --pesi --t0 --rif --salva --json' ;;
        beta) opzioni="$modello --tra --json" ;;
        tabella) opzioni="$modello --da --a --passo --formato --virgola $partitore --json" ;;
        tolleranza) opzioni="$modello --tol-r25 --tol-b --json" ;;
        partitore) opzioni="$modello $partitore --adc --json" ;;
        autoriscaldamento) opzioni="$modello --partitore --verso --vref --dissipazione --json" ;;
        *) return ;;
        esac
        [[ $cur == -* ]] || return
        opzioni+=' --help'
        ;;
    esac
    mapfile -t COMPREPLY < <(compgen -W "$opzioni" -- "$cur")
}
complete -F _brevanto_ntc brevanto-ntc
